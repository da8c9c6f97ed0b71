#include "extract/ArticleExtractor.h"
#include "support/NewsPages.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using articletest::ArticleParagraph;
using articletest::HtmlPage;
using articletest::ParagraphElements;

struct PageCase {
    const char* Name;
    std::string Page;
    std::string HttpCharset;
    std::string Summary;
    std::string Title;
    ExtractedArticle::Kind Found;
    std::vector<std::string> Lines;  // lines the note must hold, whole
    std::vector<std::string> Absent; // texts the note must not hold
    std::string Reason = {};
};

std::string Deeply(int depth, const std::string& inner) {
    std::string page;
    page.reserve(static_cast<std::size_t>(depth) * 11 + inner.size());
    for (int level = 0; level < depth; ++level) {
        page += "<div>";
    }
    page += inner;
    for (int level = 0; level < depth; ++level) {
        page += "</div>";
    }
    return page;
}

std::vector<std::string> Paragraphs(int first, int last) {
    std::vector<std::string> lines;
    for (int n = first; n < last; ++n) {
        lines.push_back(ArticleParagraph(n));
    }
    return lines;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<PageCase> PageShapes() {
    const std::string furniture = articletest::SiteNavigation();
    const std::string footer = articletest::SiteFooter();
    const std::string headline = "Harbour plan approved after long debate";
    std::vector<PageCase> cases;

    cases.push_back(
        {"an article cut into sections by a figure, an aside and an ad",
         HtmlPage("<title>" + headline + " | Daily Example</title>",
                  furniture + "<main><article><h1>" + headline + "</h1>" +
                      "<div class=\"byline\">By A. Reporter</div><section>" +
                      ParagraphElements(0, 3) +
                      "</section><figure><img src=\"a.jpg\"><figcaption>The old harbour at "
                      "dawn</figcaption></figure><section><h2>What happens next</h2>" +
                      ParagraphElements(3, 5) +
                      "</section><aside><p>Read also: the ferry strike, explained in five "
                      "points</p></aside><div class=\"ad-slot\">Advertisement</div><section>" +
                      ParagraphElements(5, 8) + "</section></article></main>" + footer),
         "", ArticleParagraph(0), headline, ExtractedArticle::Kind::Article,
         Joined(Paragraphs(0, 8), {"What happens next"}),
         Joined(articletest::kFurnitureTexts, {headline, "The old harbour at dawn", "Read also",
                                               "Advertisement", "By A. Reporter"})});

    const std::string nextStory =
        "<article><h1>Ferry strike ends</h1>" + ParagraphElements(20, 30) + "</article>";
    cases.push_back(
        {"a summary found only in the page's head picks the story it describes, not the next",
         HtmlPage("<meta name=\"description\" content=\"" + ArticleParagraph(40) + "\">",
                  furniture + "<article><h1>" + headline + "</h1>" + ParagraphElements(40, 44) +
                      "</article>" + nextStory + footer),
         "", ArticleParagraph(40), "", ExtractedArticle::Kind::Article, Paragraphs(40, 44),
         Joined(articletest::kFurnitureTexts, {ArticleParagraph(20), ArticleParagraph(29)})});

    cases.push_back(
        {"an article that only the page's structured data holds",
         HtmlPage("<script type=\"application/ld+json\">{\"@context\":\"https://schema.org\","
                  "\"@graph\":[{\"@type\":\"WebPage\"},{\"@type\":\"NewsArticle\",\"headline\":"
                  "\"x\",\"articleBody\":\"" +
                      ArticleParagraph(50) + "\\n" + ArticleParagraph(51) + "\\nTom &amp; " +
                      "Jerry\\u2019s caf\\u00e9 stays open, the owners said, until the summer " +
                      "ends.\"}]}</script>",
                  furniture + "<div id=\"app\">Loading ...</div>" + footer),
         "",
         "",
         "",
         ExtractedArticle::Kind::Article,
         Joined(Paragraphs(50, 52), {"Tom & Jerry\u2019s caf\u00e9 stays open, the owners said, "
                                     "until the summer ends."}),
         {"Loading", "Home World"}});

    const std::string shortened = ArticleParagraph(101).substr(0, 60) + "\u2026";
    cases.push_back({"a summary that the publisher shortened picks its story among two alike",
                     HtmlPage("", furniture + "<div class=\"col\"><div class=\"story\">" +
                                      ParagraphElements(114, 118) +
                                      "</div></div><div class=\"col\"><div class=\"story\">" +
                                      ParagraphElements(100, 104) + "</div></div>" + footer),
                     "",
                     shortened,
                     "",
                     ExtractedArticle::Kind::Article,
                     Paragraphs(100, 104),
                     {ArticleParagraph(114), ArticleParagraph(117)}});

    cases.push_back({"structured data whose body is HTML",
                     HtmlPage("<script type=\"application/ld+json\">{\"@type\":\"BlogPosting\","
                              "\"articleBody\":\"<p>" +
                                  ArticleParagraph(120) + "</p><h2>Later</h2><p>" +
                                  ArticleParagraph(121) + "</p>\"}</script>",
                              "<div id=\"root\"></div>"),
                     "",
                     "",
                     "",
                     ExtractedArticle::Kind::Article,
                     Joined(Paragraphs(120, 122), {"Later"}),
                     {"<p>"}});

    std::string scripts;
    for (int n = 0; n < 40; ++n) {
        scripts += "<script>var config" + std::to_string(n) +
                   " = {text: 'Long words, commas, and more commas, to look like prose, "
                   "which it is not, not at all', more: [1, 2, 3]};</script>\n";
    }
    cases.push_back(
        {"a page heavy with scripts and styles",
         HtmlPage("<style>body { font: 12px serif; } .story p { margin: 0, 0, 1em, 0; }</style>" +
                      scripts,
                  furniture + scripts + "<div class=\"story\">" + ParagraphElements(60, 64) +
                      "<noscript><img src=\"pixel.gif\"></noscript></div>" + scripts + footer),
         "", "", "", ExtractedArticle::Kind::Article, Paragraphs(60, 64),
         Joined(articletest::kFurnitureTexts, {"var config", "font:", "commas"})});

    cases.push_back(
        {"a windows-1251 page that says so in a meta element",
         "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=windows-1251\"></head><body><article><p>\xCF\xF0\xE8\xE2\xE5\xF2, "
         "\xEC\xE8\xF0! " +
             ArticleParagraph(70) + "</p><p>" + ArticleParagraph(71) +
             "</p></article></body></html>",
         "",
         "",
         "",
         ExtractedArticle::Kind::Article,
         {"\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440! " + ArticleParagraph(70),
          ArticleParagraph(71)},
         {}});

    cases.push_back(
        {"an ISO-8859-15 page named by the HTTP answer over its wrong meta element",
         "<html><head><meta charset=\"utf-8\"></head><body><article><p>Prices rose by 5 "
         "\xA4 a week, caf\xE9 owners said. " +
             ArticleParagraph(72) + "</p></article></body></html>",
         "text/html; charset=ISO-8859-15",
         "",
         "",
         ExtractedArticle::Kind::Article,
         {"Prices rose by 5 \u20AC a week, caf\u00E9 owners said. " + ArticleParagraph(72)},
         {}});

    std::string utf16 = "\xFF\xFE";
    for (const char c : "<html><body><article><p>" + ArticleParagraph(73) +
                            " \xE2\x80\x94 Gr\xC3\xBC\xC3\x9F" + "e.</p></article></body></html>") {
        if (c != '\0') {
            utf16 += c;
            utf16 += '\0';
        }
    }
    // The three UTF-8 bytes of the dash and the two of each umlaut, written
    // as UTF-16 code units.
    utf16.replace(utf16.find(std::string("\xE2\0\x80\0\x94\0", 6)), 6, std::string("\x14\x20", 2));
    utf16.replace(utf16.find(std::string("\xC3\0\xBC\0", 4)), 4, std::string("\xFC\0", 2));
    utf16.replace(utf16.find(std::string("\xC3\0\x9F\0", 4)), 4, std::string("\xDF\0", 2));
    cases.push_back({"a UTF-16 page with its byte-order mark",
                     utf16,
                     "iso-8859-1",
                     "",
                     "",
                     ExtractedArticle::Kind::Article,
                     {ArticleParagraph(73) + " \u2014 Gr\u00FC\u00DFe."},
                     {}});

    cases.push_back({"a PDF document",
                     "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj << /Type /Catalog >>",
                     "",
                     ArticleParagraph(0),
                     "",
                     ExtractedArticle::Kind::NotFound,
                     {},
                     {},
                     "not HTML"});
    cases.push_back({"plain text without markup",
                     ArticleParagraph(1) + "\n" + ArticleParagraph(2),
                     "text/plain",
                     "",
                     "",
                     ExtractedArticle::Kind::NotFound,
                     {},
                     {},
                     "not HTML"});
    cases.push_back({"a video page with nothing to read",
                     HtmlPage("<title>Watch: the harbour</title>",
                              furniture +
                                  "<main><video src=\"v.mp4\"></video><h1>Watch: the "
                                  "harbour</h1></main>" +
                                  footer),
                     "",
                     "",
                     "",
                     ExtractedArticle::Kind::NotFound,
                     {},
                     {},
                     "no text block"});

    cases.push_back({"an article before 100,000 nested elements",
                     HtmlPage("", "<article>" + ParagraphElements(80, 83) + "</article>" +
                                      Deeply(100'000, "<p>" + ArticleParagraph(90) + "</p>")),
                     "",
                     "",
                     "",
                     ExtractedArticle::Kind::Article,
                     Paragraphs(80, 83),
                     {}});
    return cases;
}

TEST(ArticleExtractor, GivesTheArticleOfEveryShapeOfPageAndSaysWhyWhenThereIsNone) {
    for (const PageCase& page : PageShapes()) {
        SCOPED_TRACE(page.Name);
        const ExtractedArticle article =
            ExtractArticle(page.Page, page.HttpCharset, page.Summary, page.Title);
        ASSERT_EQ(article.Found, page.Found) << article.Reason << "\n" << article.Text;
        EXPECT_EQ(article.Reason, page.Reason);
        EXPECT_TRUE(text::IsValidUtf8(article.Text));
        EXPECT_FALSE(articletest::HoldsCharacterReference(article.Text)) << article.Text;
        const std::vector<std::string> lines = articletest::NoteLines(article.Text);
        for (const std::string& line : page.Lines) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
                << "missing line: " << line << "\nin:\n"
                << article.Text;
        }
        for (const std::string& absent : page.Absent) {
            EXPECT_EQ(article.Text.find(absent), std::string::npos)
                << "boilerplate: " << absent << "\nin:\n"
                << article.Text;
        }
        if (page.Found == ExtractedArticle::Kind::Article) {
            EXPECT_EQ(article.Text.find("\r\n\r\n\r\n"), std::string::npos);
            EXPECT_EQ(article.Text.substr(article.Text.size() - 2), "\r\n");
        }
    }
}

} // namespace
} // namespace lumbrant
