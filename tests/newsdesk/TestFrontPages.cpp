#include "HttpGet.h"
#include "PageReader.h"
#include "newsdesk/NewsDesk.h"

#include <gtest/gtest.h>
#include <set>

using namespace newsdesk_test;

namespace {

class FrontPages : public ::testing::TestWithParam<int> {};

TEST_P(FrontPages, EachEditionListsItsStoriesUnderTheEightHeadingsInOrder) {
    newsdesk::Options options;
    options.StoriesPerSection = GetParam();
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());

    for (const std::string edition : {"tus", "tuk"}) {
        SCOPED_TRACE(edition);
        const Reply reply = HttpGet(desk.BaseUrl(), "/news?ned=" + edition);
        ASSERT_EQ(reply.Status, 200);
        EXPECT_EQ(reply.Body, desk.FrontPage(edition));

        const std::vector<long> headings = SectionHeadingPositions(reply.Body);
        for (std::size_t k = 0; k < headings.size(); ++k) {
            EXPECT_GT(headings[k], k == 0 ? 0 : headings[k - 1]) << "heading " << k;
        }

        const std::vector<newsdesk::Story>& stories = desk.Stories(edition);
        const std::vector<ListedStory> listed = ReadFrontPage(reply.Body);
        ASSERT_EQ(stories.size(), static_cast<std::size_t>(8 * GetParam()));
        ASSERT_EQ(listed.size(), stories.size());
        for (std::size_t i = 0; i < stories.size(); ++i) {
            SCOPED_TRACE(stories[i].ArticlePath);
            EXPECT_EQ(listed[i].Code, stories[i].CategoryCode);
            EXPECT_EQ(listed[i].Url, desk.BaseUrl() + stories[i].ArticlePath);
            EXPECT_EQ(listed[i].Url, stories[i].Url);
            EXPECT_EQ(listed[i].Title, stories[i].Title);
            EXPECT_EQ(listed[i].Snippet, stories[i].Snippet);
            EXPECT_EQ(stories[i].Number, static_cast<int>(i) + 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(StoriesPerSection, FrontPages, ::testing::Values(0, 1, 2, 5));

TEST(FrontPages, TheTwoEditionsCarryDifferentStories) {
    newsdesk::NewsDesk desk(newsdesk::Options{});
    std::set<std::string> usSnippets;
    for (const auto& story : desk.Stories("tus")) {
        usSnippets.insert(story.Snippet);
    }
    int shared = 0;
    for (const auto& story : desk.Stories("tuk")) {
        shared += usSnippets.count(story.Snippet) > 0 ? 1 : 0;
    }
    EXPECT_EQ(shared, 0);
    EXPECT_TRUE(desk.Stories("xx").empty());
    EXPECT_TRUE(desk.FrontPage("xx").empty());
}

TEST(FrontPages, SnippetsAndHeadlinesStayWithinTheirShapeOnALargeEdition) {
    newsdesk::Options options;
    options.StoriesPerSection = 250;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());

    int withEntityInSnippet = 0;
    int withAmpersandInTitle = 0;
    std::set<std::string> urls;
    for (const std::string edition : {"tus", "tuk"}) {
        for (const auto& story : desk.Stories(edition)) {
            SCOPED_TRACE(story.ArticlePath);
            EXPECT_GE(story.Snippet.size(), 80u);
            EXPECT_LE(story.Snippet.size(), 200u);
            EXPECT_FALSE(story.Title.empty());
            for (const std::string& field : {story.Title, story.Snippet}) {
                EXPECT_EQ(field.find_first_of("<>\"\r\n"), std::string::npos) << field;
            }
            withEntityInSnippet += story.Snippet.find("&amp;") != std::string::npos ||
                                   story.Snippet.find("&#39;") != std::string::npos;
            withAmpersandInTitle += story.Title.find("&amp;") != std::string::npos;
            urls.insert(story.Url);
        }
        EXPECT_EQ(ReadFrontPage(desk.FrontPage(edition)).size(), 2000u);
    }
    EXPECT_EQ(urls.size(), 4000u);
    EXPECT_GT(withEntityInSnippet, 0);
    EXPECT_GT(withAmpersandInTitle, 0);
}

} // namespace
