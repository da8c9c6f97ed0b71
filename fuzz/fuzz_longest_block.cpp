// The fast longest-block scan and whitespace tidying against their literal
// forms on arbitrary bytes.
#include "article/HtmlToText.h"
#include "article/WhitespaceTidy.h"
#include "support/ArticleOracle.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string html(reinterpret_cast<const char*>(data), size);
    if (lumbrant::TidyWhitespace(html) != oracle::TidyWhitespace(html)) {
        __builtin_trap();
    }
    if (lumbrant::LongestBlock(html) != oracle::LongestBlock(html)) {
        __builtin_trap();
    }
    return 0;
}
