#include "HttpGet.h"
#include "article/ArticleHandler.h"
#include "feeds/FeedParser.h"
#include "feeds/FeedText.h"
#include "frontpage/Editions.h"
#include "newsdesk/Feed.h"
#include "newsdesk/NewsDesk.h"
#include "newsdesk/OddFeed.h"

#include <gtest/gtest.h>

using namespace newsdesk_test;

namespace {

TEST(Feeds, EverySectionsFeedGivesItsStoriesWhosePagesRepeatTheirSummaries) {
    newsdesk::Options options;
    options.StoriesPerSection = 5;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    const auto sites = lumbrant::SiteList::Load("/nonexistent");
    for (const std::string edition : {"tus", "tuk"}) {
        std::string quirks;
        for (const auto& [title, code] : lumbrant::kSections) {
            SCOPED_TRACE(edition + " " + std::string(code));
            const Reply reply =
                HttpGet(desk.BaseUrl(), "/feeds/" + edition + "/" + std::string(code) + ".xml");
            ASSERT_EQ(reply.Status, 200);
            EXPECT_EQ(desk.BaseUrl() + "/feeds/" + edition + "/" + std::string(code) + ".xml",
                      desk.FeedUrl(edition, std::string(code)));
            quirks += reply.Body;
            const auto records =
                lumbrant::ParseFeed({reply.Body, desk.FeedUrl(edition, std::string(code)), ""}, 250)
                    .Stories;
            std::vector<newsdesk::Story> stories;
            for (const auto& story : desk.Stories(edition)) {
                if (story.CategoryCode == code) {
                    stories.push_back(story);
                }
            }
            ASSERT_EQ(records.size(), stories.size()) << "all but the item without a link";
            for (std::size_t i = 0; i < stories.size(); ++i) {
                const newsdesk::Story& story = stories[i];
                EXPECT_EQ(records[i].ArticleUrl, story.FeedUrl);
                EXPECT_EQ(records[i].StoryTitle,
                          lumbrant::AsPageText(newsdesk::ModernText(story.Title)));
                EXPECT_EQ(records[i].Snippet, newsdesk::ModernText(story.Snippet));
                const Reply page = HttpGet(desk.BaseUrl(), story.FeedPath);
                ASSERT_EQ(page.Status, 200);
                EXPECT_EQ(page.Body, desk.FeedArticlePage(story));
                if (story.Placement == newsdesk::SnippetOnPage::Verbatim) {
                    EXPECT_EQ(lumbrant::HandleArticlePage(page.Body, records[i], sites).LogEntry,
                              "All")
                        << story.FeedPath;
                }
            }
        }
        for (const char* quirk : {"<![CDATA[", "#8217;", "\xE2\x80\x99", "&lt;p&gt;"}) {
            EXPECT_NE(quirks.find(quirk), std::string::npos) << edition << " has no " << quirk;
        }
        EXPECT_NE(quirks.find(edition == "tus" ? "<rss version=\"2.0\"" : "/2005/Atom\">"),
                  std::string::npos);
    }
    EXPECT_EQ(HttpGet(desk.BaseUrl(), "/feeds/tus/XX.xml").Status, 404);
    EXPECT_EQ(HttpGet(desk.BaseUrl(), "/feeds/txx/TO.xml").Status, 404);
}

TEST(Feeds, EveryOddShapeIsServedAtItsOwnAddressAndLinksTheStoriesOfItsSection) {
    newsdesk::Options options;
    options.StoriesPerSection = 4;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    std::vector<std::string> links;
    for (const auto& story : desk.Stories("tus")) {
        if (story.CategoryCode == "TO") {
            links.push_back(story.FeedUrl);
        }
    }
    for (const std::string_view shape : newsdesk::kOddFeedShapes) {
        SCOPED_TRACE(std::string(shape));
        const std::string path = "/feeds/odd/" + std::string(shape) + ".xml";
        const Reply reply = HttpGet(desk.BaseUrl(), path);
        ASSERT_EQ(reply.Status, 200);
        EXPECT_EQ(reply.Body, desk.OddFeed(std::string(shape)));
        EXPECT_EQ(desk.OddFeedUrl(std::string(shape)), desk.BaseUrl() + path);
        const auto reading =
            lumbrant::ParseFeed({reply.Body, desk.OddFeedUrl(std::string(shape)), ""}, 250);
        std::vector<std::string> read;
        for (const auto& story : reading.Stories) {
            read.push_back(story.ArticleUrl);
        }
        const std::size_t whole = shape == "broken" ? newsdesk::kItemsBeforeTheBreak : 4;
        EXPECT_EQ(read, std::vector<std::string>(links.begin(), links.begin() + whole));
    }
    EXPECT_EQ(HttpGet(desk.BaseUrl(), "/feeds/odd/plain.xml").Status, 404);
}

} // namespace
