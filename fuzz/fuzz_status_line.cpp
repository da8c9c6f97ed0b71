// The status of a response head as the system's cache keeps it.
#include "net/StatusLine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int status =
        lumbrant::StatusCodeOfHead(std::string_view(reinterpret_cast<const char*>(data), size));
    if (status < 0 || status > 999) {
        std::abort();
    }
    return 0;
}
