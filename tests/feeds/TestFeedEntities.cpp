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

TEST(FeedEntities, HtmlsNamedCharactersReadWithoutAnyDocumentType) {
    const std::vector<FeedCase> cases = {
        {.Name = "in titles and summaries",
         .Document = Rss(RssItem("Rates&colon; up&nbsp;3&percnt; &hellip; &eacute;t&eacute;",
                                 "http://a.example/1", "&ldquo;Quoted&rdquo;&mdash;said") +
                         RssItem("1 &LT; 2 &GT; 0 &amp;&AMP; &NotEqualTilde; &fjlig;",
                                 "http://a.example/2", "x")),
         .Expected = {{"http://a.example/1", "Rates: up 3% … été", "“Quoted”—said"},
                      {"http://a.example/2", "1 &lt; 2 &gt; 0 &amp;&amp; \u2242\u0338 fj", "x"}}},
        {.Name = "in attributes",
         .Document = Atom("<entry><title>A</title><link href=\"http://a.example/?q=caf&eacute;"
                          "&amp;r=1\"/></entry>"),
         .Expected = {{"http://a.example/?q=caf\xC3\xA9&r=1", "A", ""}}},
        {.Name = "not in CDATA sections, which keep their text",
         .Document = Atom("<entry><title type=\"text\"><![CDATA[a &nbsp; b]]></title>"
                          "<link href=\"http://a.example/1\"/><!-- &nbsp; &unknown; -->"
                          "<summary type=\"html\"><![CDATA[c&nbsp;d &eacute;]]></summary>"
                          "</entry>"),
         .Expected = {{"http://a.example/1", "a &amp;nbsp; b", "c d \xC3\xA9"}}},
        {.Name = "with a document type that names an external DTD, which is never fetched",
         .Document = "<!DOCTYPE rss SYSTEM \"http://127.0.0.1:1/never.dtd\">" +
                     Rss(RssItem("A&nbsp;B", "http://a.example/1", "x"), ""),
         .Expected = {{"http://a.example/1", "A B", "x"}}},
        {.Name = "with a document type of its own that declares no entity",
         .Document = "<!DOCTYPE rss [<!ELEMENT rss ANY><!-- <!ENTITY x \"y\"> -->]>" +
                     Rss(RssItem("A&copy;", "http://a.example/1", "x"), ""),
         .Expected = {{"http://a.example/1", "A\xC2\xA9", "x"}}},
        {.Name = "a name HTML does not know is refused",
         .Document = Rss(RssItem("A &bogus; name", "http://a.example/1", "x")),
         .Fault = "at line 4"},
        {.Name = "in an attribute too, keeping the entries before it",
         .Document = Atom("<entry><title>A</title><link href=\"http://a.example/1\"/></entry>"
                          "<entry><title>B</title><link href=\"http://a.example/?q=&bogus;\"/>"
                          "</entry>"),
         .Expected = {{"http://a.example/1", "A", ""}},
         .Fault = "undefined entity"},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

} // namespace
} // namespace lumbrant
