// The encoding step of the feed reader on arbitrary bytes and charsets:
// no crash, and the text it gives is well-formed UTF-8 holding no control
// character that XML forbids, and no more than a bounded multiple of the
// bytes.

#include "feeds/FeedEncoding.h"
#include "text/Encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Up to the first NUL, the HTTP charset; the rest, the feed's bytes.
    const std::size_t split = input.find('\0');
    const std::string_view charset =
        split == std::string_view::npos ? std::string_view() : input.substr(0, split);
    const std::string_view bytes =
        split == std::string_view::npos ? input : input.substr(split + 1);
    const lumbrant::Utf8Feed feed = lumbrant::FeedAsUtf8(bytes, charset);
    if (!text::IsValidUtf8(feed.Text) || feed.Encoding.empty() ||
        feed.Text.size() > 4 * bytes.size() + 64) {
        std::abort();
    }
    for (const char c : feed.Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
            std::abort();
        }
    }
    return 0;
}
