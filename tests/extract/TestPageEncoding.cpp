#include "extract/ArticleExtractor.h"
#include "support/NewsPages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

struct EncodingCase {
    const char* Name;
    std::string Page;
    std::string HttpCharset;
    std::string Encoding; // the encoding the page is read in
    std::string Line;     // a line of the note, as UTF-8
};

std::string Article(const std::string& head, const std::string& paragraph) {
    return "<html><head>" + head + "</head><body><article><p>" + paragraph + " " +
           articletest::ArticleParagraph(1) + "</p></article></body></html>";
}

std::string Line(const std::string& paragraph) {
    return paragraph + " " + articletest::ArticleParagraph(1);
}

TEST(PageEncoding, ReadsAPageInTheEncodingThatTheWebWouldReadItIn) {
    const std::string cafe1252 = "Caf\xE9 cr\xE8me \x80 5";
    const std::string cafe = "Caf\u00E9 cr\u00E8me \u20AC 5";
    const std::string padding = "<!-- " + std::string(1100, 'x') + " -->";
    const std::vector<EncodingCase> cases = {
        {"HTTP charset alone", Article("", cafe1252), "windows-1252", "windows-1252", Line(cafe)},
        {"HTTP charset as a whole Content-Type", Article("", cafe1252),
         "text/html; charset=\"ISO-8859-1\"", "windows-1252", Line(cafe)},
        {"HTTP charset over the meta element", Article("<meta charset=\"utf-8\">", cafe1252),
         "latin1", "windows-1252", Line(cafe)},
        {"meta charset", Article("<meta charset='windows-1252'>", cafe1252), "", "windows-1252",
         Line(cafe)},
        {"meta http-equiv",
         Article("<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; "
                 "charset=iso-8859-1\">",
                 cafe1252),
         "", "windows-1252", Line(cafe)},
        {"an unknown HTTP charset leaves the meta element to decide",
         Article("<meta charset=\"latin1\">", cafe1252), "x-no-such-thing", "windows-1252",
         Line(cafe)},
        {"a meta element inside a comment does not count",
         Article("<!-- <meta charset=\"koi8-r\"> --><meta charset=\"latin1\">", cafe1252), "",
         "windows-1252", Line(cafe)},
        {"a meta element past the first 1,024 bytes does not count",
         Article(padding + "<meta charset=\"koi8-r\">", cafe), "", "UTF-8", Line(cafe)},
        {"a meta element that says UTF-16 in ASCII bytes means UTF-8",
         Article("<meta charset=\"utf-16\">", cafe), "", "UTF-8", Line(cafe)},
        {"a byte-order mark over the HTTP charset", "\xEF\xBB\xBF" + Article("", cafe),
         "windows-1251", "UTF-8", Line(cafe)},
        {"nothing declared, valid UTF-8", Article("", cafe), "", "UTF-8", Line(cafe)},
        {"nothing declared, not UTF-8", Article("", cafe1252), "", "windows-1252", Line(cafe)},
        {"declared UTF-8 but broken", Article("<meta charset=utf-8>", "Caf\xC3 ok"), "", "UTF-8",
         Line("Caf\uFFFD ok")},
    };
    for (const EncodingCase& page : cases) {
        SCOPED_TRACE(page.Name);
        const ExtractedArticle article = ExtractArticle(page.Page, page.HttpCharset, "", "");
        EXPECT_EQ(article.Encoding, page.Encoding);
        const std::vector<std::string> lines = articletest::NoteLines(article.Text);
        EXPECT_NE(std::find(lines.begin(), lines.end(), page.Line), lines.end()) << article.Text;
    }
}

} // namespace
} // namespace lumbrant
