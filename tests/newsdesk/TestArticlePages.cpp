#include "HttpGet.h"
#include "PageReader.h"
#include "article/ArticleHandler.h"
#include "article/HtmlToText.h"
#include "newsdesk/NewsDesk.h"

#include <gtest/gtest.h>

using namespace newsdesk_test;
using newsdesk::SnippetOnPage;

namespace {

// Position of the first occurrence of key in text that does not lie inside a
// tag (a "<" comes before the next ">"), or npos.
std::size_t PositionInText(const std::string& text, const std::string& key) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        const std::size_t open = text.find('<', at);
        const std::size_t close = text.find('>', at);
        if (open != std::string::npos && open <= close) {
            return at;
        }
    }
    return std::string::npos;
}

// Checks a story's page against what the story promises about it, and
// returns the length of the article's text block (0 when there is none).
std::size_t CheckArticlePage(const newsdesk::Story& story, const std::string& page) {
    SCOPED_TRACE(story.ArticlePath);
    const std::string body = lumbrant::BodyOf(page);
    if (story.BodyTag.empty()) {
        EXPECT_EQ(body, page);
    } else {
        EXPECT_EQ(body.rfind(story.BodyTag, 0), 0u);
    }

    const std::string& snippet = story.Snippet;
    switch (story.Placement) {
    case SnippetOnPage::Verbatim: {
        const std::size_t at = PositionInText(body, snippet);
        if (at == std::string::npos) {
            ADD_FAILURE() << "snippet not in the text: " << snippet;
            return 0;
        }
        const std::string block = lumbrant::ConvertBlock(std::string_view(body).substr(at));
        EXPECT_EQ(block.rfind(snippet, 0), 0u);
        return block.size();
    }
    case SnippetOnPage::SecondHalfOnly: {
        EXPECT_EQ(page.find(snippet), std::string::npos);
        const std::string half = snippet.substr(snippet.size() - snippet.size() / 2);
        const std::size_t at = PositionInText(body, half);
        if (at == std::string::npos) {
            ADD_FAILURE() << "second half not in the text: " << half;
            return 0;
        }
        const std::size_t lede = body.find("<p class=lede>");
        EXPECT_NE(lede, std::string::npos);
        EXPECT_LT(at, lede + 14 + snippet.size());
        return lumbrant::ConvertBlock(std::string_view(body).substr(at)).size() + snippet.size() -
               half.size();
    }
    case SnippetOnPage::Absent:
        for (const std::string& key : LocatorKeys(snippet)) {
            EXPECT_TRUE(key.empty() || body.find(key) == std::string::npos) << "key: " << key;
        }
        return 0;
    }
    return 0;
}

TEST(ArticlePages, EveryStoryIsServedWithItsSnippetAsDocumented) {
    newsdesk::Options options;
    options.StoriesPerSection = 5;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());

    for (const std::string edition : {"tus", "tuk"}) {
        for (const auto& story : desk.Stories(edition)) {
            const Reply reply = HttpGet(desk.BaseUrl(), story.ArticlePath);
            ASSERT_EQ(reply.Status, 200) << story.ArticlePath;
            EXPECT_EQ(reply.Body, desk.ArticlePage(story));
            CheckArticlePage(story, reply.Body);
        }
    }
}

TEST(ArticlePages, TheDocumentedOdditiesFallOnTheirStoryNumbers) {
    struct Row {
        int Number;
        SnippetOnPage Placement;
        const char* BodyTag;
        bool ShortText;
    };
    const Row rows[] = {
        {1, SnippetOnPage::Verbatim, "<BODY", false},
        {2, SnippetOnPage::Verbatim, "<Body", false},
        {3, SnippetOnPage::Verbatim, "<body", false},
        {4, SnippetOnPage::SecondHalfOnly, "<BODY", false},
        {5, SnippetOnPage::Verbatim, "<Body", true},
        {7, SnippetOnPage::Absent, "<BODY", false},
        {11, SnippetOnPage::Verbatim, "", true},
        {14, SnippetOnPage::SecondHalfOnly, "<Body", false},
        {24, SnippetOnPage::SecondHalfOnly, "", false},
        {27, SnippetOnPage::Absent, "<body", false},
        {37, SnippetOnPage::Verbatim, "", false},
    };
    newsdesk::Options options;
    options.StoriesPerSection = 5;
    const newsdesk::NewsDesk desk(options);
    for (const std::string edition : {"tus", "tuk"}) {
        const auto& stories = desk.Stories(edition);
        for (const Row& row : rows) {
            const newsdesk::Story& story = stories.at(static_cast<std::size_t>(row.Number - 1));
            SCOPED_TRACE(story.ArticlePath);
            EXPECT_EQ(story.Number, row.Number);
            EXPECT_EQ(story.Placement, row.Placement);
            EXPECT_EQ(story.BodyTag, row.BodyTag);
            EXPECT_EQ(story.ShortText, row.ShortText);
        }
    }
}

TEST(ArticlePages, ArticleTextsAreLongEnoughToChainAndEndAtTheirBlock) {
    newsdesk::Options options;
    options.StoriesPerSection = 250;
    const newsdesk::NewsDesk desk(options);

    int longTexts = 0;
    int located = 0;
    for (const auto& story : desk.Stories("tus")) {
        const std::string page = desk.ArticlePage(story);
        ASSERT_EQ(page, desk.ArticlePage(story));
        const std::size_t length = CheckArticlePage(story, page);
        if (story.Placement == SnippetOnPage::Absent) {
            continue;
        }
        ++located;
        if (story.ShortText) {
            EXPECT_GE(length, 330u) << story.ArticlePath;
            EXPECT_LE(length, 700u) << story.ArticlePath;
        } else {
            EXPECT_GE(length, 1500u) << story.ArticlePath;
            EXPECT_LE(length, 7000u) << story.ArticlePath;
            ++longTexts;
        }
    }
    EXPECT_GT(longTexts * 10, located * 7);
}

} // namespace
