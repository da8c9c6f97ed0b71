// The feed reader on arbitrary documents: no crash, no expansion, and every
// story it gives has a web link and a title, at most the asked number.

#include "feeds/FeedParser.h"
#include "feeds/XmlReader.h"
#include "text/ByteText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    const std::size_t most = size % 7 + 1;
    try {
        const auto stories = lumbrant::ParseFeed(document, most);
        if (stories.size() > most) {
            std::abort();
        }
        for (const auto& story : stories) {
            if (!text::IsWebAddress(story.ArticleUrl) || story.StoryTitle.empty()) {
                std::abort();
            }
        }
    } catch (const lumbrant::XmlError&) {
        // A document that is no feed is refused, which is all it may come to.
    }
    return 0;
}
