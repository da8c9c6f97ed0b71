#include "extract/ArticleExtractor.h"
#include "support/NewsPages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

struct LayoutCase {
    const char* Name;
    std::string Body;  // inside the article, after two paragraphs of the story
    std::string Title; // the feed's title
    std::string Note;  // the note's text after those two paragraphs
};

TEST(NoteLines, WritesParagraphsHeadingsAndListItemsAsTheirOwnLines) {
    const std::vector<LayoutCase> cases = {
        {"headings and list items",
         "<h2>The plan</h2><ul><li>First, the quay</li><li>Then the "
         "<b>locks</b></li></ul><p>It ends here.</p>",
         "", "The plan\r\n\r\nFirst, the quay\r\n\r\nThen the locks\r\n\r\nIt ends here.\r\n"},
        {"a line break inside a paragraph",
         "<p>Harbour Office<br>12 Quay Street<br><br>Open daily.</p>", "",
         "Harbour Office\r\n12 Quay Street\r\nOpen daily.\r\n"},
        {"blanks, no-break spaces and references folded",
         "<p>  Tom&nbsp;&amp;\n\tJerry&#8217;s   caf&eacute; &lt;3 </p>", "",
         "Tom & Jerry\u2019s caf\u00E9 <3\r\n"},
        {"the headline and trailing headings left out",
         "<h1>Harbour plan approved</h1><p>Last words.</p><h3>More from the coast</h3>",
         "Harbour plan approved", "Last words.\r\n"},
        {"a paragraph that only repeats the headline left out",
         "<p>Harbour plan approved</p><p>Last words.</p>", "Harbour plan &amp; more",
         "Harbour plan approved\r\n\r\nLast words.\r\n"},
        {"appeals to the reader, photo credits and blocks of links left out",
         "<p>Last words.</p><p>Subscribe to our newsletter for more.</p><p>Photo: A. "
         "Snapper</p><p><a href=/a>Ferry "
         "strike</a> <a href=/b>Bridge works</a></p>",
         "", "Last words.\r\n"},
        {"hidden text and screen-reader text left out",
         "<p>Last <span class=\"sr-only\">(opens a new window)</span>words.</p><p "
         "style=\"display: none\">Hidden note</p><div hidden>Hidden too</div>",
         "", "Last words.\r\n"},
    };
    const std::string story = "<p>" + articletest::ArticleParagraph(0) + "</p><p>" +
                              articletest::ArticleParagraph(1) + "</p>";
    const std::string start = articletest::ArticleParagraph(0) + "\r\n\r\n" +
                              articletest::ArticleParagraph(1) + "\r\n\r\n";
    for (const LayoutCase& layout : cases) {
        SCOPED_TRACE(layout.Name);
        const ExtractedArticle article = ExtractArticle(
            articletest::HtmlPage("", "<article>" + story + layout.Body + "</article>"), "", "",
            layout.Title);
        EXPECT_EQ(article.Text, start + layout.Note);
    }
}

} // namespace
} // namespace lumbrant
