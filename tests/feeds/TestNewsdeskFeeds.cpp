#include "feeds/FeedParser.h"
#include "feeds/FeedText.h"
#include "newsdesk/OddFeed.h"
#include "newsdesk/StoryCatalog.h"
#include "support/FeedDocuments.h"

#include <gtest/gtest.h>
#include <string>

namespace lumbrant {
namespace {

// Every odd shape the local news service serves, read as a run reads it:
// the same stories, headlines and summaries as a plain feed gives, whatever
// the shape; the broken one gives the stories before its break and says why.
TEST(NewsdeskFeeds, EveryShapeOfTheNewsServicesFeedsReadsWhole) {
    newsdesk::StoryCatalog catalog(5);
    const std::string site = "http://127.0.0.1:8080";
    catalog.SetBaseUrl(site);
    for (const std::string_view shape : newsdesk::kOddFeedShapes) {
        SCOPED_TRACE(std::string(shape));
        const std::string feed = newsdesk::RenderOddFeed(shape, catalog.Stories("tus"));
        const std::string url = site + "/feeds/odd/" + std::string(shape) + ".xml";
        const FeedReading reading = ParseFeed({feed, url, ""}, 250);
        testing::StoryRows expected;
        for (const newsdesk::Story& story : catalog.Stories("tus")) {
            if (story.CategoryCode == "TO" &&
                (shape != "broken" || expected.size() < newsdesk::kItemsBeforeTheBreak)) {
                expected.push_back({story.FeedUrl,
                                    AsPageText(newsdesk::OddFeedHeadline(shape, story)),
                                    newsdesk::OddFeedSummary(story)});
            }
        }
        ASSERT_EQ(expected.size(), shape == "broken" ? newsdesk::kItemsBeforeTheBreak : 5u);
        EXPECT_EQ(testing::AsRows(reading.Stories), expected);
        EXPECT_EQ(reading.Skips, std::vector<std::string>());
        EXPECT_EQ(reading.Fault.empty(), shape != "broken") << reading.Fault;
    }
}

} // namespace
} // namespace lumbrant
