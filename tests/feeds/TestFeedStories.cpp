#include "core/JobPorts.h"
#include "core/LogClass.h"
#include "feeds/FeedStories.h"
#include "frontpage/Editions.h"
#include "support/ExpectedNotes.h"
#include "support/FeedDocuments.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using testing::AtomEntry;
using testing::Rss;
using testing::RssItem;

std::string Items(int from, int to) {
    std::string items;
    for (int n = from; n <= to; ++n) {
        items += RssItem("Story " + std::to_string(n), "http://a.example/" + std::to_string(n), "");
    }
    return items;
}

std::string Untitled(int count) {
    std::string items;
    for (int n = 1; n <= count; ++n) {
        items += RssItem("", "http://a.example/" + std::to_string(n), "");
    }
    return items;
}

std::string Nested(int depth) {
    return depth == 0 ? std::string() : "<x>" + Nested(depth - 1) + "</x>";
}

FeedPage Arrived(const std::string& code, const std::string& page, const std::string& url = "",
                 const std::string& charset = "") {
    return {code, false, page, "", url, charset};
}

struct StoriesCase {
    const char* Name;
    FeedPage Feed;
    std::vector<std::string> Log;
    // The section's list: link, title and snippet of every story.
    std::vector<std::string> Stories;
};

TEST(FeedStories, EveryFeedsStoriesJoinItsSectionAndTheLogSaysWhatAFeedDidNotGive) {
    std::vector<std::string> skips;
    for (int item = 1; item <= 20; ++item) {
        skips.push_back("FrontPage:SP: item " + std::to_string(item) + " skipped: no title");
    }
    skips.push_back("FrontPage:SP: and 5 more items skipped");
    skips.push_back("FrontPage:SP: no item of the feed is a story");
    const std::vector<StoriesCase> cases = {
        {"a feed that did not arrive",
         {"TO", true, "", "HTTP/1.1 404", "", ""},
         {"FrontPage:TO: HTTP/1.1 404"},
         {}},
        {"an item without a link",
         Arrived("WO", Rss(Items(1, 1) + "<item><title>Live</title></item>" + Items(3, 3))),
         {"FrontPage:WO: item 2 skipped: no link"},
         {"http://a.example/1", "Story 1", "", "http://a.example/3", "Story 3", ""}},
        {"a feed that breaks after two stories",
         Arrived("LO", Rss(Items(1, 2) + Nested(70) + Items(3, 3))),
         {"FrontPage:LO: read 2 items, then elements nest deeper than 64"},
         {"http://a.example/1", "Story 1", "", "http://a.example/2", "Story 2", ""}},
        {"a page that is no feed",
         Arrived("BU", "<html><body>Moved</body></html>"),
         {"FrontPage:BU: neither an RSS nor an Atom feed"},
         {}},
        {"a feed without items",
         Arrived("SC", Rss("")),
         {"FrontPage:SC: the feed has no item"},
         {}},
        {"a feed of untitled items", Arrived("SP", Rss(Untitled(25))), skips, {}},
        {"relative links and the charset of the HTTP answer",
         Arrived(
             "EN",
             "<feed xmlns=\"http://www.w3.org/2005/Atom\">" +
                 AtomEntry("\xCD\xEE\xE2\xEE\xF1\xF2\xE8", "<link href=\"/livewire/1\"/>", "s") +
                 "</feed>",
             "https://news.example/feeds/en.xml", "windows-1251"),
         {},
         {"https://news.example/livewire/1", "Новости", "s"}},
    };
    for (const StoriesCase& row : cases) {
        SCOPED_TRACE(row.Name);
        const testing::TempFolder folder("feed-stories");
        const std::string workDir = folder.Path().string();
        int counter = 0;
        SectionStoryLists lists;
        AddFeedStories({row.Feed}, 10, lists, ErrorLog(workDir, counter));

        std::vector<std::string> log = row.Log;
        std::sort(log.begin(), log.end());
        EXPECT_EQ(testing::ReadLogValues(folder.Path() / "Rovad.txt"), log);
        std::vector<std::string> stories;
        const StoryList& list = lists[static_cast<std::size_t>(SectionIndex(row.Feed.SectionCode))];
        for (std::size_t entry = 0; entry < list.size(); ++entry) {
            if (entry % 4 == 0) {
                EXPECT_EQ(list[entry], "unreaded");
            } else {
                stories.push_back(list[entry]);
            }
        }
        EXPECT_EQ(stories, row.Stories);
    }
}

} // namespace
} // namespace lumbrant
