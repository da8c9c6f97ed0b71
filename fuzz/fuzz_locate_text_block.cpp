// The fast text-block locator against its literal form. The first byte
// chooses how the snippet is made: taken from the input's own bytes, or cut
// out of the page (the more likely way to be found) and then changed at one
// place, so that every strategy gets its turn.
#include "article/TextBlockLocator.h"
#include "support/ArticleOracle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::size_t Number(const std::uint8_t* data) {
    return static_cast<std::size_t>(data[0]) << 8 | data[1];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) {
        return 0;
    }
    const std::uint8_t mode = data[0];
    const std::size_t first = Number(data + 1);
    const std::size_t second = Number(data + 3);
    const std::size_t changeAt = Number(data + 5);
    const std::string rest(reinterpret_cast<const char*>(data) + 7, size - 7);
    std::string snippet;
    std::string body;
    if (mode % 2 == 0) {
        const std::size_t length = rest.empty() ? 0 : first % (rest.size() + 1);
        snippet = rest.substr(0, length);
        body = rest.substr(length);
    } else {
        body = rest;
        snippet = body.empty() ? std::string() : body.substr(first % body.size(), second % 1200);
        if (mode & 2 && !snippet.empty()) {
            snippet[changeAt % snippet.size()] = static_cast<char>(mode);
        }
    }
    std::vector<text::Index> fastList;
    std::vector<text::Index> slowList;
    const auto fast = lumbrant::LocateTextBlock(snippet, body, fastList);
    const auto slow = oracle::LocateTextBlock(snippet, body, slowList);
    if (fast.Found != slow.Found || fast.Strategy != slow.Strategy || fast.Text != slow.Text ||
        fastList != slowList) {
        __builtin_trap();
    }
    return 0;
}
