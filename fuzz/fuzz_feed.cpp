// The feed reader on arbitrary documents, in arbitrary encodings: no crash,
// no expansion, and every story it gives has a web link and a title, at
// most the asked number; every skip it tells is counted.

#include "feeds/FeedParser.h"
#include "text/ByteText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte picks the number of items and the HTTP charset.
    constexpr std::string_view kCharsets[] = {"", "utf-8", "windows-1251", "utf-16", "gb2312"};
    const std::uint8_t choice = size > 0 ? data[0] : 0;
    const std::size_t most = choice % 7 + 1;
    const std::string_view charset = kCharsets[(choice / 7) % std::size(kCharsets)];
    const std::string_view document = input.substr(size > 0 ? 1 : 0);
    const auto reading =
        lumbrant::ParseFeed({document, "http://feeds.example/a/feed.xml", charset}, most);
    if (reading.Stories.size() > most || reading.Skips.size() > reading.SkippedItems ||
        reading.Skips.size() > lumbrant::kMostSkipsTold ||
        reading.Stories.size() + reading.SkippedItems > reading.Items) {
        std::abort();
    }
    for (const auto& story : reading.Stories) {
        if (!text::IsWebAddress(story.ArticleUrl) || story.StoryTitle.empty()) {
            std::abort();
        }
    }
    return 0;
}
