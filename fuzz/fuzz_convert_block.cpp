// The fast block conversion against its literal form on arbitrary bytes.
#include "article/HtmlToText.h"
#include "support/ArticleOracle.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string html(reinterpret_cast<const char*>(data), size);
    if (lumbrant::ConvertBlock(html) != oracle::ConvertBlock(html)) {
        __builtin_trap();
    }
    return 0;
}
