// A feed's links read against a base address on arbitrary text: no crash,
// and a story's link is always an http or https address without blanks or
// control characters.

#include "feeds/FeedLinks.h"
#include "text/ByteText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Up to the first line break, the base; the rest, the reference.
    const std::size_t split = input.find('\n');
    const std::string base(split == std::string_view::npos ? "http://a.example/b/c"
                                                           : input.substr(0, split));
    const std::string_view reference =
        split == std::string_view::npos ? input : input.substr(split + 1);
    const lumbrant::StoryLink link = lumbrant::ReadStoryLink(base, reference);
    if (link.Address.empty() == link.Fault.empty()) {
        std::abort();
    }
    if (!link.Address.empty() && !text::IsWebAddress(link.Address)) {
        std::abort();
    }
    for (const char c : link.Address) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            std::abort();
        }
    }
    return 0;
}
