#include "feeds/FeedParser.h"
#include "feeds/XmlReader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records AsRows(const std::vector<StoryRecord>& stories) {
    Records rows;
    for (const StoryRecord& story : stories) {
        rows.push_back({story.ArticleUrl, story.StoryTitle, story.Snippet});
    }
    return rows;
}

std::string Rss(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:media=\"http://search.yahoo.com/mrss/\"><channel><title>News</title>" +
           items + "</channel></rss>";
}

std::string RssItem(const std::string& title, const std::string& link,
                    const std::string& description) {
    return "<item><title>" + title + "</title><link>" + link + "</link><description>" +
           description + "</description></item>";
}

// Nine levels of entities, each ten times the one before: a billion "lol"s.
std::string XmlBomb() {
    std::string document = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY lol0 \"lol\">";
    for (int level = 1; level <= 9; ++level) {
        document += "<!ENTITY lol" + std::to_string(level) + " \"";
        for (int copy = 0; copy < 10; ++copy) {
            document += "&lol" + std::to_string(level - 1) + ";";
        }
        document += "\">";
    }
    return document + "]>" + Rss(RssItem("&lol9;", "http://a.example/1", "x"));
}

std::string Nested(int depth) {
    std::string nested;
    for (int level = 0; level < depth; ++level) {
        nested = "<x>" + nested + "</x>";
    }
    return nested;
}

struct FeedCase {
    const char* Name;
    std::string Document;
    std::size_t Items;
    Records Expected;
    const char* Error = nullptr; // part of the error's text, when the feed does not parse
};

TEST(FeedParser, ReadsTheItemsOfRealWorldFeedsAndRefusesWhatIsNoFeed) {
    const std::string atomEntries =
        "<title>Feed</title>"
        "<entry><title type=\"html\">Tom &amp;amp; Jerry&#8217;s &lt;i&gt;night&lt;/i&gt;</title>"
        "<link rel=\"enclosure\" href=\"http://a.example/pic.jpg\"/>"
        "<link rel=\"alternate\" type=\"text/html\" href=\"https://a.example/1\"/>"
        "<link rel=\"alternate\" href=\"https://a.example/other\"/>"
        "<content type=\"html\">not this</content>"
        "<summary type=\"html\">&lt;p&gt;First &amp;quot;line&amp;quot;&lt;/p&gt;</summary></entry>"
        "<entry><title>5 &lt; 6 \"quoted\"</title><link href=\"http://a.example/2\"/>"
        "<content type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>Kept "
        "<b>whole</b></p></div></content></entry>"
        "<entry><title>No link</title><summary>x</summary></entry>";
    const std::vector<FeedCase> cases = {
        {"RSS: CDATA, escaped HTML, references, UTF-8 and extensions",
         Rss("<item><title>Caf\xC3\xA9 &amp; bar &#8212; <![CDATA[<b>now</b>]]></title>"
             "<dc:title>not this</dc:title><link>\n  http://a.example/1?a=1&amp;b=2\n</link>"
             "<media:content url=\"http://a.example/m.jpg\"/>"
             "<description><![CDATA[<p>The  <em>minister</em>&nbsp;said&#x2019;s "
             "&amp;amp;<br/>more</p><script>var x = '<p>';</script>]]></description></item>" +
             RssItem("Second", "HTTPS://a.example/2",
                     "&lt;img src=\"x.jpg\"/&gt;Plain &amp;amp; simple&#10;text")),
         10,
         {{"http://a.example/1?a=1&b=2", "Caf\xC3\xA9 &amp; bar \xE2\x80\x94 now",
           "The minister said\xE2\x80\x99s &amp; more"},
          {"HTTPS://a.example/2", "Second", "Plain & simple text"}}},
        {"Atom in the default namespace",
         "<feed xmlns=\"http://www.w3.org/2005/Atom\">" + atomEntries + "</feed>",
         10,
         {{"https://a.example/1", "Tom &amp; Jerry\xE2\x80\x99s night", "First \"line\""},
          {"http://a.example/2", "5 &lt; 6 &quot;quoted&quot;", "Kept whole"}}},
        {"Atom under a prefix",
         "<a:feed xmlns:a=\"http://www.w3.org/2005/Atom\"><a:entry><a:title>T</a:title>"
         "<a:link href=\"http://a.example/1\"/><a:summary>S</a:summary></a:entry></a:feed>",
         10,
         {{"http://a.example/1", "T", "S"}}},
        {"Atom without a namespace",
         "<feed>" + atomEntries + "</feed>",
         1,
         {{"https://a.example/1", "Tom &amp; Jerry\xE2\x80\x99s night", "First \"line\""}}},
        {"items without a title or a usable link are skipped",
         Rss(RssItem("", "http://a.example/1", "no title") + RssItem("No link", "", "x") +
             RssItem("Mail", "mailto:a@a.example", "x") + RssItem("Relative", "/story/1", "x") +
             RssItem("Blank inside", "http://a.example/a b", "x") +
             "<item><title>No summary</title><link>http://a.example/5</link></item>"),
         10,
         {{"http://a.example/5", "No summary", ""}}},
        {"no more than Items stories",
         Rss(RssItem("One", "http://a.example/1", "1") + RssItem("Two", "http://a.example/2", "2") +
             RssItem("Three", "http://a.example/3", "3")),
         2,
         {{"http://a.example/1", "One", "1"}, {"http://a.example/2", "Two", "2"}}},
        {"an XML bomb", XmlBomb(), 10, {}, "declares entities"},
        {"an external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>" +
             Rss(RssItem("&secret;", "http://a.example/1", "x")),
         10,
         {},
         "declares entities"},
        {"a truncated document",
         Rss(RssItem("One", "http://a.example/1", "1")).substr(0, 150),
         10,
         {},
         "at line"},
        {"not XML at all", "{\"items\": []}", 10, {}, "at line 1"},
        {"an HTML page",
         "<html><body><p>News&nbsp;<br></body></html>",
         10,
         {},
         "neither an RSS 2.0 nor an Atom 1.0 feed"},
        {"elements nested too deep",
         "<rss>" + Nested(100) + "</rss>",
         10,
         {},
         "nest deeper than 64"},
    };
    for (const FeedCase& row : cases) {
        SCOPED_TRACE(row.Name);
        if (row.Error == nullptr) {
            EXPECT_EQ(AsRows(ParseFeed(row.Document, row.Items)), row.Expected);
            continue;
        }
        try {
            ParseFeed(row.Document, row.Items);
            ADD_FAILURE() << "parsed";
        } catch (const XmlError& error) {
            EXPECT_NE(std::string(error.what()).find(row.Error), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace lumbrant
