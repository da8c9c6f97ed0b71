#include "support/FeedDocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using testing::Atom;
using testing::FeedCase;
using testing::Rss;
using testing::RssItem;

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
    return document + "]>" + Rss(RssItem("&lol9;", "http://a.example/1", "x"), "");
}

std::string Nested(int depth) {
    std::string nested;
    for (int level = 0; level < depth; ++level) {
        nested = "<x>" + nested + "</x>";
    }
    return nested;
}

const std::string kAtomEntries =
    "<entry><title type=\"html\">Tom &amp;amp; Jerry&#8217;s &lt;i&gt;night&lt;/i&gt;</title>"
    "<link rel=\"enclosure\" href=\"http://a.example/pic.jpg\"/>"
    "<link rel=\"alternate\" type=\"text/html\" href=\"https://a.example/1\"/>"
    "<link rel=\"alternate\" href=\"https://a.example/other\"/>"
    "<content type=\"html\">not this</content>"
    "<summary type=\"html\">&lt;p&gt;First &amp;quot;line&amp;quot;&lt;/p&gt;</summary></entry>"
    "<entry><title>5 &lt; 6 \"quoted\"</title><link href=\"http://a.example/2\"/>"
    "<content type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>Kept "
    "<b>whole</b></p></div></content></entry>";

TEST(FeedParser, ReadsEveryFormatOfRssAndAtom) {
    const std::vector<FeedCase> cases = {
        {.Name = "RSS 2.0: CDATA, escaped HTML, references, UTF-8 and extensions",
         .Document =
             Rss("<item><title>Caf\xC3\xA9 &amp; bar &#8212; <![CDATA[<b>now</b>]]></title>"
                 "<dc:title>not this</dc:title><link>\n  http://a.example/1?a=1&amp;b=2\n</link>"
                 "<media:content url=\"http://a.example/m.jpg\"/>"
                 "<description><![CDATA[<p>The  <em>minister</em>&nbsp;said&#x2019;s "
                 "&amp;amp;<br/>more</p><script>var x = '<p>';</script>]]></description></item>" +
                 RssItem("Second", "HTTPS://a.example/2",
                         "&lt;img src=\"x.jpg\"/&gt;Plain &amp;amp; simple&#10;text")),
         .Expected = {{"http://a.example/1?a=1&b=2", "Caf\xC3\xA9 &amp; bar \xE2\x80\x94 now",
                       "The minister said\xE2\x80\x99s &amp; more"},
                      {"HTTPS://a.example/2", "Second", "Plain & simple text"}}},
        {.Name = "RSS 2.0 in UserLand's namespace",
         .Document = "<rss xmlns=\"http://backend.userland.com/rss2\" version=\"2.0\"><channel>"
                     "<item><title>Land</title><link>http://u.example/1</link>"
                     "<description>Said</description></item></channel></rss>",
         .Expected = {{"http://u.example/1", "Land", "Said"}}},
        {.Name = "RSS 0.91 in Latin-1 with Netscape's document type, never fetched",
         .Document = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE rss PUBLIC "
                     "\"-//Netscape Communications//DTD RSS 0.91//EN\"\n"
                     " \"http://my.netscape.com/publish/formats/rss-0.91.dtd\">\n"
                     "<rss version=\"0.91\"><channel><title>Old</title><language>fr</language>"
                     "<item><title>Caf&eacute; \xE9t\xE9</title><link>http://old.example/1</link>"
                     "<description>First one</description></item></channel></rss>",
         .Expected = {{"http://old.example/1", "Café été", "First one"}}},
        {.Name = "RSS 1.0: items beside the channel, content:encoded for a summary",
         .Document =
             "<?xml version=\"1.0\"?>\n<rdf:RDF "
             "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
             "xmlns=\"http://purl.org/rss/1.0/\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
             "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">\n"
             "<channel rdf:about=\"http://one.example/\"><title>One</title>"
             "<link>http://one.example/</link><description>All</description><items><rdf:Seq>"
             "<rdf:li rdf:resource=\"http://one.example/a\"/></rdf:Seq></items></channel>\n"
             "<item rdf:about=\"http://one.example/a\"><title>A</title>"
             "<link>http://one.example/a</link><dc:date>2024-05-01</dc:date>"
             "<content:encoded><![CDATA[<p>Body of A</p>]]></content:encoded></item>\n"
             "<item rdf:about=\"http://one.example/b\"><title>B</title>"
             "<link>http://one.example/b</link><description>About B</description></item>\n"
             "</rdf:RDF>",
         .Expected = {{"http://one.example/a", "A", "Body of A"},
                      {"http://one.example/b", "B", "About B"}}},
        {.Name = "RSS 0.90",
         .Document = "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
                     "xmlns=\"http://my.netscape.com/rdf/simple/0.9/\"><channel><title>Ninety"
                     "</title><link>http://ninety.example/</link></channel><item><title>Old "
                     "story</title><link>http://ninety.example/1</link></item></rdf:RDF>",
         .Expected = {{"http://ninety.example/1", "Old story", ""}}},
        {.Name = "RDF whose items have no namespace",
         .Document = "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><item>"
                     "<title>T</title><link>http://x.example/1</link></item></rdf:RDF>",
         .Expected = {{"http://x.example/1", "T", ""}}},
        {.Name = "Atom 1.0 in the default namespace",
         .Document = Atom(kAtomEntries),
         .Expected = {{"https://a.example/1", "Tom &amp; Jerry\xE2\x80\x99s night",
                       "First \"line\""},
                      {"http://a.example/2", "5 &lt; 6 &quot;quoted&quot;", "Kept whole"}}},
        {.Name = "Atom 1.0 under a prefix",
         .Document =
             "<a:feed xmlns:a=\"http://www.w3.org/2005/Atom\"><a:entry><a:title>T</a:title>"
             "<a:link href=\"http://a.example/1\"/><a:summary>S</a:summary></a:entry></a:feed>",
         .Expected = {{"http://a.example/1", "T", "S"}}},
        {.Name = "Atom without a namespace",
         .Document = "<feed>" + kAtomEntries + "</feed>",
         .Items = 1,
         .Expected = {{"https://a.example/1", "Tom &amp; Jerry\xE2\x80\x99s night",
                       "First \"line\""}}},
        {.Name = "Atom 0.3: escaped content, a base64 summary passed over",
         .Document = "<feed version=\"0.3\" xmlns=\"http://purl.org/atom/ns#\"><title>Three"
                     "</title><entry><title>Oh three</title><link rel=\"alternate\" "
                     "type=\"text/html\" href=\"http://three.example/1\"/>"
                     "<summary type=\"text/plain\" mode=\"base64\">SGVsbG8=</summary>"
                     "<content type=\"text/html\" mode=\"escaped\">&lt;p&gt;Escaped &amp;amp; "
                     "html&lt;/p&gt;</content></entry><entry><title>Plain</title>"
                     "<link rel=\"alternate\" href=\"http://three.example/2\"/><content "
                     "mode=\"escaped\">&lt;b&gt;bold&lt;/b&gt;</content></entry></feed>",
         .Expected = {{"http://three.example/1", "Oh three", "Escaped & html"},
                      {"http://three.example/2", "Plain", "bold"}}},
        {.Name = "no more than Items stories",
         .Document = Rss(RssItem("One", "http://a.example/1", "1") +
                         RssItem("Two", "http://a.example/2", "2") +
                         RssItem("Three", "http://a.example/3", "3")),
         .Items = 2,
         .Expected = {{"http://a.example/1", "One", "1"}, {"http://a.example/2", "Two", "2"}}},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

TEST(FeedParser, RefusesWhatIsNoFeedAndWhatDeclaresEntities) {
    const std::vector<FeedCase> cases = {
        {.Name = "an XML bomb", .Document = XmlBomb(), .Fault = "declares entities"},
        {.Name = "an external entity",
         .Document = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY secret SYSTEM "
                     "\"file:///etc/passwd\">]>" +
                     Rss(RssItem("&secret;", "http://a.example/1", "x"), ""),
         .Fault = "declares entities"},
        {.Name = "an external parameter entity",
         .Document = "<!DOCTYPE rss [<!ENTITY % remote SYSTEM \"http://evil.example/x.dtd\">"
                     "%remote;]>" +
                     Rss(RssItem("T", "http://a.example/1", "x"), ""),
         .Fault = "declares entities"},
        {.Name = "a truncated document",
         .Document = Rss(RssItem("One", "http://a.example/1", "1")).substr(0, 150),
         .Fault = "at line"},
        {.Name = "not XML at all", .Document = "{\"items\": []}", .Fault = "at line 1"},
        {.Name = "an empty answer", .Document = "", .Fault = "at line 1"},
        {.Name = "an HTML page",
         .Document = "<html><body><p>News&nbsp;<br></body></html>",
         .Fault = "neither an RSS nor an Atom feed"},
        {.Name = "an RSS root in a namespace of its own",
         .Document = "<rss xmlns=\"http://other.example/\"><channel><item><title>T</title>"
                     "<link>http://a.example/1</link></item></channel></rss>",
         .Fault = "neither an RSS nor an Atom feed"},
        {.Name = "elements nested too deep",
         .Document = "<rss>" + Nested(100) + "</rss>",
         .Fault = "nest deeper than 64"},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

} // namespace
} // namespace lumbrant
