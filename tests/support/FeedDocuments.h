#pragma once

// Feeds written by hand for the tests of the feed reader, and what a
// reading of one must give: its stories as rows (link, title, summary),
// the skips it tells, and the fault that ended it, if any.

#include "feeds/FeedParser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumbrant::testing {

using StoryRows = std::vector<std::vector<std::string>>;

inline StoryRows AsRows(const std::vector<StoryRecord>& stories) {
    StoryRows rows;
    for (const StoryRecord& story : stories) {
        rows.push_back({story.ArticleUrl, story.StoryTitle, story.Snippet});
    }
    return rows;
}

inline constexpr const char* kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

inline std::string Rss(const std::string& items,
                       const std::string& declaration = kUtf8Declaration) {
    return declaration +
           "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:media=\"http://search.yahoo.com/mrss/\" "
           "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\" "
           "xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">\n"
           "<channel><title>News</title>\n" +
           items + "</channel></rss>\n";
}

inline std::string RssItem(const std::string& title, const std::string& link,
                           const std::string& description) {
    return "<item><title>" + title + "</title><link>" + link + "</link><description>" +
           description + "</description></item>\n";
}

inline std::string Atom(const std::string& entries, const std::string& feedAttributes = "") {
    return std::string(kUtf8Declaration) + "<feed xmlns=\"http://www.w3.org/2005/Atom\" " +
           "xmlns:media=\"http://search.yahoo.com/mrss/\"" + feedAttributes +
           ">\n<title>Feed</title>\n" + entries + "</feed>\n";
}

inline std::string AtomEntry(const std::string& title, const std::string& links,
                             const std::string& summary) {
    return "<entry><title>" + title + "</title>" + links + "<summary>" + summary +
           "</summary></entry>\n";
}

// One feed, and what reading it gives.
struct FeedCase {
    const char* Name;
    std::string Document;
    std::string Url = {};
    std::string Charset = {};
    std::size_t Items = 10;
    StoryRows Expected = {};
    std::vector<std::string> Skips = {};
    const char* Fault = nullptr; // part of the fault's text; none when nullptr
};

inline void ExpectReading(const FeedCase& row) {
    SCOPED_TRACE(row.Name);
    const FeedReading reading = ParseFeed({row.Document, row.Url, row.Charset}, row.Items);
    EXPECT_EQ(AsRows(reading.Stories), row.Expected);
    EXPECT_EQ(reading.Skips, row.Skips);
    if (row.Fault == nullptr) {
        EXPECT_EQ(reading.Fault, "");
    } else {
        EXPECT_NE(reading.Fault.find(row.Fault), std::string::npos) << reading.Fault;
    }
}

} // namespace lumbrant::testing
