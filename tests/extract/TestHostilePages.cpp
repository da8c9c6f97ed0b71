#include "extract/ArticleExtractor.h"
#include "support/NewsPages.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

constexpr std::size_t kLargestPage = 8 * 1024 * 1024;

std::string Repeated(const std::string& piece, std::size_t size) {
    std::string page;
    page.reserve(size + piece.size());
    while (page.size() + piece.size() <= size) {
        page += piece;
    }
    return page;
}

struct HostileCase {
    const char* Name;
    std::string Page;
    bool StoryAhead; // the page starts with a story that must still be found
};

// Pages built to make a parser recurse, loop or allocate without end. Each
// must come back (no crash, no stall; the benchmark measures the time and
// memory) with a consistent answer, and the story before the attack intact.
TEST(HostilePages, ComeBackWithAConsistentAnswer) {
    const std::string story = "<article>" + articletest::ParagraphElements(0, 3) + "</article>";
    const std::vector<HostileCase> cases = {
        {"100,000 nested elements", Repeated("<div>", 500'000), false},
        {"a story, then 100,000 nested elements", story + Repeated("<div>", 500'000), true},
        {"8 MiB of tiny elements", Repeated("<br>", kLargestPage), false},
        {"a story, then 8 MiB of empty links", story + Repeated("<a></a>", kLargestPage), true},
        {"unclosed formatting elements that the parser clones",
         Repeated("<p><b x=1><i y=2>a</p>", kLargestPage), false},
        {"an element with a million attributes",
         "<div " + Repeated("a1 b2 c3 d4 ", kLargestPage / 2) + ">text</div>", false},
        {"structured data nested a million deep",
         "<script type=\"application/ld+json\">" + Repeated("[{\"a\":", 2'000'000) + "</script>" +
             story,
         true},
        {"a million character references",
         "<p>" + Repeated("&amp;&#x1F600;&#0;&#xD800;&bogus;", kLargestPage / 2) + "</p>", false},
    };
    for (const HostileCase& page : cases) {
        SCOPED_TRACE(page.Name);
        const ExtractedArticle article = ExtractArticle(page.Page, "", "", "");
        EXPECT_TRUE(text::IsValidUtf8(article.Text));
        EXPECT_EQ(article.Found == ExtractedArticle::Kind::Article, !article.Text.empty());
        EXPECT_EQ(article.Found == ExtractedArticle::Kind::NotFound, !article.Reason.empty());
        if (page.StoryAhead) {
            EXPECT_NE(article.Text.find(articletest::ArticleParagraph(2)), std::string::npos);
        }
    }
}

} // namespace
} // namespace lumbrant
