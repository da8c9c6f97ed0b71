#include "support/FeedDocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using testing::FeedCase;
using testing::Rss;
using testing::RssItem;
using testing::StoryRows;

// Items 1 to count, one a line, each linked to http://a.example/<n>.
std::string Items(int from, int to) {
    std::string items;
    for (int n = from; n <= to; ++n) {
        const std::string number = std::to_string(n);
        items += RssItem("Story " + number, "http://a.example/" + number, "About " + number);
    }
    return items;
}

StoryRows Rows(int from, int to) {
    StoryRows rows;
    for (int n = from; n <= to; ++n) {
        const std::string number = std::to_string(n);
        rows.push_back({"http://a.example/" + number, "Story " + number, "About " + number});
    }
    return rows;
}

TEST(FeedSalvage, AFeedThatBreaksKeepsTheItemsBeforeTheBreak) {
    const std::string broken = RssItem("Broken", "http://a.example/x", "a < b");
    const std::vector<FeedCase> cases = {
        {.Name = "a fault in the fourth item",
         .Document = Rss(Items(1, 3) + broken + Items(5, 6)),
         .Items = 250,
         .Expected = Rows(1, 3),
         .Fault = "at line 7"},
        {.Name = "a fault after the last item asked for is never reached",
         .Document = Rss(Items(1, 3) + broken),
         .Items = 3,
         .Expected = Rows(1, 3)},
        {.Name = "a fault in the first item",
         .Document = Rss(broken + Items(2, 3)),
         .Fault = "at line 4"},
        {.Name = "a document cut off inside an item",
         .Document = Rss(Items(1, 3)).substr(0, Rss(Items(1, 3)).find("Story 3")),
         .Expected = Rows(1, 2),
         .Fault = "at line"},
        {.Name = "markup after the root element is no part of the feed",
         .Document = Rss(Items(1, 2)) + "<script>document.write('<p>');</script>\n<p>&bogus;",
         .Expected = Rows(1, 2)},
        {.Name = "control characters that XML forbids are dropped",
         .Document =
             Rss(RssItem("Ver\x0Btical\x01", "http://a.example/1", "Tab\tkept") + Items(2, 3)),
         .Expected = {{"http://a.example/1", "Vertical", "Tab kept"},
                      {"http://a.example/2", "Story 2", "About 2"},
                      {"http://a.example/3", "Story 3", "About 3"}}},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

} // namespace
} // namespace lumbrant
