#include "support/FeedDocuments.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant {
namespace {

using testing::Atom;
using testing::FeedCase;
using testing::Rss;

std::string Item(const std::string& fields) {
    return "<item><title>T</title><link>http://a.example/1</link>" + fields + "</item>";
}

std::string Entry(const std::string& fields) {
    return "<entry><title>T</title><link href=\"http://a.example/1\"/>" + fields + "</entry>";
}

TEST(FeedSummaries, AStorysSummaryIsTheFirstOfItsSummariesThatShowsText) {
    const std::vector<FeedCase> cases = {
        {.Name = "RSS: the description before content:encoded",
         .Document = Rss(Item("<content:encoded>&lt;p&gt;Body&lt;/p&gt;</content:encoded>"
                              "<description>Lead</description>")),
         .Expected = {{"http://a.example/1", "T", "Lead"}}},
        {.Name = "RSS: a description that shows nothing gives way to content:encoded",
         .Document = Rss(Item("<description><![CDATA[<img src=\"a.jpg\"/> ]]></description>"
                              "<content:encoded><![CDATA[<p>The <b>body</b></p>]]>"
                              "</content:encoded>")),
         .Expected = {{"http://a.example/1", "T", "The body"}}},
        {.Name = "RSS: media:description alone",
         .Document = Rss(Item("<media:description>Clip of the day</media:description>")),
         .Expected = {{"http://a.example/1", "T", "Clip of the day"}}},
        {.Name = "RSS: media:description of type html, in a media:content",
         .Document = Rss(Item("<media:content url=\"http://a.example/v.mp4\"><media:description "
                              "type=\"html\">&lt;p&gt;Clip &amp;amp; talk&lt;/p&gt;"
                              "</media:description></media:content>")),
         .Expected = {{"http://a.example/1", "T", "Clip & talk"}}},
        {.Name = "RSS: itunes:summary last",
         .Document = Rss(Item("<itunes:summary>Episode 5</itunes:summary>")),
         .Expected = {{"http://a.example/1", "T", "Episode 5"}}},
        {.Name = "RSS: media:description before itunes:summary",
         .Document = Rss(Item("<itunes:summary>Episode 5</itunes:summary>"
                              "<media:description>Clip</media:description>")),
         .Expected = {{"http://a.example/1", "T", "Clip"}}},
        {.Name = "Atom: a video site's media:group",
         .Document = Atom(Entry("<media:group><media:title>T</media:title><media:content "
                                "url=\"http://a.example/v\"/><media:description>What the video "
                                "shows\nin two lines</media:description></media:group>")),
         .Expected = {{"http://a.example/1", "T", "What the video shows in two lines"}}},
        {.Name = "Atom: the summary before the content, the content when the summary is empty",
         .Document = Atom(Entry("<content>Body</content><summary>Lead</summary>") +
                          Entry("<summary/><content type=\"html\">&lt;p&gt;Body&lt;/p&gt;"
                                "</content>")),
         .Expected = {{"http://a.example/1", "T", "Lead"}, {"http://a.example/1", "T", "Body"}}},
        {.Name = "no summary at all",
         .Document = Rss(Item("")),
         .Expected = {{"http://a.example/1", "T", ""}}},
    };
    for (const FeedCase& row : cases) {
        testing::ExpectReading(row);
    }
}

} // namespace
} // namespace lumbrant
