#include "feeds/FeedLinks.h"
#include "support/FeedDocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using testing::Atom;
using testing::AtomEntry;
using testing::FeedCase;
using testing::Rss;
using testing::RssItem;

constexpr const char* kFeedUrl = "http://news.example/feeds/top.xml";

TEST(FeedLinks, EveryItemsLinkIsReadAgainstItsBaseAndOnlyWebPagesAreStories) {
    const std::vector<FeedCase> cases = {
        {.Name = "Atom: a link from the site's root, read against the feed's address",
         .Document = Atom(AtomEntry("Live", "<link href=\"/livewire/1\"/>", "s")),
         .Url = kFeedUrl,
         .Expected = {{"http://news.example/livewire/1", "Live", "s"}}},
        {.Name = "Atom: xml:base on the feed",
         .Document = Atom(AtomEntry("Post", "<link rel=\"alternate\" href=\"post-1.html\"/>", "s"),
                          " xml:base=\"https://blog.example/base/\""),
         .Url = kFeedUrl,
         .Expected = {{"https://blog.example/base/post-1.html", "Post", "s"}}},
        {.Name = "Atom: xml:base nests, each read against the one around it",
         .Document = Atom("<entry xml:base=\"b/\"><title>Deep</title><link xml:base=\"c/\" "
                          "href=\"d.html\"/></entry>",
                          " xml:base=\"http://blog.example/a/\""),
         .Url = kFeedUrl,
         .Expected = {{"http://blog.example/a/b/c/d.html", "Deep", ""}}},
        {.Name = "a relative xml:base is read against the feed's address",
         .Document =
             Atom(AtomEntry("Site", "<link href=\"x?id=1#top\"/>", "s"), " xml:base=\"/site/\""),
         .Url = kFeedUrl,
         .Expected = {{"http://news.example/site/x?id=1#top", "Site", "s"}}},
        {.Name = "RSS: a relative link under an item's xml:base, a link from another host",
         .Document = Rss("<item xml:base=\"http://rss.example/a/b/\"><title>Up</title>"
                         "<link>../2.html</link></item>" +
                         RssItem("Other host", "//cdn.example/story", "x")),
         .Url = "https://news.example/rss",
         .Expected = {{"http://rss.example/a/2.html", "Up", ""},
                      {"https://cdn.example/story", "Other host", "x"}}},
        {.Name = "Atom: no alternate link, so the first web page of any kind",
         .Document = Atom(AtomEntry("Talk",
                                    "<link rel=\"edit\" href=\"mailto:desk@x.example\"/>"
                                    "<link rel=\"replies\" href=\"http://x.example/comments\"/>"
                                    "<link rel=\"related\" href=\"http://x.example/rel\"/>",
                                    "s") +
                          AtomEntry("Full name",
                                    "<link rel=\"self\" href=\"http://x.example/self\"/><link "
                                    "rel=\"http://www.iana.org/assignments/relation/alternate\" "
                                    "href=\"http://x.example/page\"/>",
                                    "s")),
         .Expected = {{"http://x.example/comments", "Talk", "s"},
                      {"http://x.example/page", "Full name", "s"}}},
        {.Name = "RSS: a guid that is a permalink stands in for a missing link",
         .Document = Rss("<item><title>Guid</title><guid>http://g.example/1</guid></item>"
                         "<item><title>Said so</title><link></link><guid isPermaLink=\"true\">"
                         "http://g.example/2</guid></item>"
                         "<item><title>Not a link</title><guid isPermaLink=\"false\">"
                         "http://g.example/3</guid></item>"
                         "<item><title>Link first</title><guid>http://g.example/4</guid>"
                         "<link>http://g.example/page-4</link></item>"
                         "<item xmlns:atom=\"http://www.w3.org/2005/Atom\"><title>Atom's</title>"
                         "<guid isPermaLink=\"false\">5</guid><atom:link rel=\"alternate\" "
                         "href=\"/5\"/></item>"),
         .Url = "http://g.example/feed",
         .Expected = {{"http://g.example/1", "Guid", ""},
                      {"http://g.example/2", "Said so", ""},
                      {"http://g.example/page-4", "Link first", ""},
                      {"http://g.example/5", "Atom's", ""}},
         .Skips = {"item 3 skipped: no link"}},
        {.Name = "links that name no web page, and items without a title, are skipped",
         .Document = Rss(RssItem("", "http://a.example/1", "no title") +
                         RssItem("No link", "", "x") + RssItem("Mail", "mailto:a@a.example", "x") +
                         RssItem("Script", "javascript:alert(1)", "x") +
                         RssItem("Relative", "/story/1", "x") +
                         RssItem("Blank inside", "http://a.example/a b", "x") +
                         "<item><title>No summary</title><link>http://a.example/7</link></item>"),
         .Expected = {{"http://a.example/7", "No summary", ""}},
         .Skips = {"item 1 skipped: no title", "item 2 skipped: no link",
                   "item 3 skipped: its link \"mailto:a@a.example\" is not a web address",
                   "item 4 skipped: its link \"javascript:alert(1)\" is not a web address",
                   "item 5 skipped: its relative link \"/story/1\" has no address to be read "
                   "against",
                   "item 6 skipped: its link \"http://a.example/a b\" is not a web address"}},
        {.Name = "Atom: a relative alternate without the feed's address",
         .Document = Atom(AtomEntry("Lost", "<link href=\"/livewire/2\"/>", "s")),
         .Skips = {"item 1 skipped: its relative link \"/livewire/2\" has no address to be read "
                   "against"}},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

TEST(FeedLinks, ReferencesResolveAsRfc3986Says) {
    // RFC 3986, 5.4: its examples on its base address.
    const std::string base = "http://a/b/c/d;p?q";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"g:h", "g:h"},
        {"g", "http://a/b/c/g"},
        {"./g", "http://a/b/c/g"},
        {"g/", "http://a/b/c/g/"},
        {"/g", "http://a/g"},
        {"//g/x", "http://g/x"},
        {"?y", "http://a/b/c/d;p?y"},
        {"g?y", "http://a/b/c/g?y"},
        {"#s", "http://a/b/c/d;p?q#s"},
        {"g#s", "http://a/b/c/g#s"},
        {"g?y#s", "http://a/b/c/g?y#s"},
        {";x", "http://a/b/c/;x"},
        {"g;x?y#s", "http://a/b/c/g;x?y#s"},
        {"", "http://a/b/c/d;p?q"},
        {".", "http://a/b/c/"},
        {"..", "http://a/b/"},
        {"../g", "http://a/b/g"},
        {"../..", "http://a/"},
        {"../../g", "http://a/g"},
        {"../../../g", "http://a/g"},
        {"/./g", "http://a/g"},
        {"/../g", "http://a/g"},
        {"g.", "http://a/b/c/g."},
        {".g", "http://a/b/c/.g"},
        {"..g", "http://a/b/c/..g"},
        {"./../g", "http://a/b/g"},
        {"g/./h", "http://a/b/c/g/h"},
        {"g/../h", "http://a/b/c/h"},
        {"g?y/../x", "http://a/b/c/g?y/../x"},
        {"caf\xC3\xA9?q=%C3%A9", "http://a/b/c/caf%C3%A9?q=%C3%A9"},
        {"a b", "http://a/b/c/a%20b"},
    };
    for (const auto& [reference, resolved] : cases) {
        EXPECT_EQ(ReadAgainst(base, reference), resolved) << reference;
    }
    EXPECT_EQ(ReadAgainst("", "g"), "");
    EXPECT_EQ(ReadAgainst("", "https://a.example/x"), "https://a.example/x");
}

} // namespace
} // namespace lumbrant
