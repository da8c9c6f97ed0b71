// The mount-table parser on arbitrary tables.

#include "device/MountTable.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view table(reinterpret_cast<const char*>(data), size);
    const auto entries = lumbrant::ParseMountInfo(table);
    lumbrant::PlayerMountPoints(entries);
    lumbrant::DecodeLabelName(table);
    return 0;
}
