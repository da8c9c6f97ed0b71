#include "newsdesk/Feed.h"

namespace newsdesk {
namespace {

constexpr std::string_view kRightQuote = "\u2019";

// The summary, in one of the shapes feeds give it; the text it shows is
// always the story's modern snippet.
std::string RssDescription(const Story& story) {
    const std::string snippet = ModernText(story.Snippet);
    switch (story.IndexInSection % 4) {
    case 0:
        return "<![CDATA[<p>" + Replaced(snippet, "&", "&amp;") + "</p>]]>";
    case 1:
        return Escaped("<p><b>" +
                       Replaced(Replaced(snippet, "&", "&amp;"), kRightQuote, "&#8217;") +
                       "</b></p>");
    case 2:
        return Replaced(Escaped(snippet), kRightQuote, "&#x2019;");
    default:
        return Escaped("<img src=\"/img/" + story.CategoryCode + ".jpg\" alt=\"\"/><br/>\n" +
                       Replaced(snippet, "&", "&amp;"));
    }
}

void AppendRssItem(std::string& feed, const Story& story) {
    feed += "<item>\n<title>" + Escaped(ModernText(story.Title)) + "</title>\n";
    feed += "<link>\n  " + story.FeedUrl + "\n</link>\n";
    feed += "<guid isPermaLink=\"false\">" + story.Edition + "-" + std::to_string(story.Number) +
            "</guid>\n";
    feed += "<dc:creator>" + Escaped(ModernText(story.Outlet)) + "</dc:creator>\n";
    feed += "<description>" + RssDescription(story) + "</description>\n";
    feed += "<media:thumbnail url=\"/img/" + std::to_string(story.Number) +
            ".jpg\" width=\"240\"/>\n</item>\n";
}

std::string AtomSummary(const Story& story) {
    const std::string snippet = ModernText(story.Snippet);
    switch (story.IndexInSection % 3) {
    case 0:
        return "<summary type=\"html\">" +
               Escaped("<p>" + Replaced(snippet, "&", "&amp;") + "</p>") + "</summary>\n";
    case 1:
        return "<summary type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\"><p>" +
               Escaped(snippet) + "</p></div></summary>\n";
    default:
        return "<content type=\"html\"><![CDATA[<div class=\"lede\">" +
               Replaced(snippet, "&", "&amp;") + "</div>]]></content>\n";
    }
}

void AppendAtomEntry(std::string& feed, const Story& story) {
    feed += "<entry>\n<title type=\"html\">" + Escaped(Replaced(story.Title, "&#39;", "&#8217;")) +
            "</title>\n";
    feed += "<link rel=\"enclosure\" type=\"image/jpeg\" href=\"/img/" +
            std::to_string(story.Number) + ".jpg\"/>\n";
    feed += "<link href=\"" + Escaped(story.FeedUrl) + "\"/>\n";
    feed += "<id>urn:newsdesk:" + story.Edition + ":" + std::to_string(story.Number) + "</id>\n";
    feed += "<updated>2005-06-01T12:00:00Z</updated>\n" + AtomSummary(story) + "</entry>\n";
}

} // namespace

std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, at)) {
        out.append(text, at, found - at);
        out.append(to);
        at = found + from.size();
    }
    out.append(text, at);
    return out;
}

std::string Escaped(std::string_view text) {
    return Replaced(Replaced(Replaced(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
}

std::string ModernText(std::string_view html) {
    return Replaced(Replaced(html, "&#39;", kRightQuote), "&amp;", "&");
}

std::string RenderFeed(std::string_view edition, std::string_view code,
                       const std::vector<Story>& stories) {
    const bool rss = edition == "tus";
    std::string feed = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    feed +=
        rss ? "<rss version=\"2.0\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
              "xmlns:media=\"http://search.yahoo.com/mrss/\" "
              "xmlns:atom=\"http://www.w3.org/2005/Atom\">\n<channel>\n"
              "<title>Newsdesk: " +
                  std::string(code) +
                  "</title>\n<link>/</link>\n<atom:link rel=\"self\" type=\"application/rss+xml\" "
                  "href=\"/feeds/tus/" +
                  std::string(code) + ".xml\"/>\n"
            : "<feed xmlns=\"http://www.w3.org/2005/Atom\">\n<title>Newsdesk: " +
                  std::string(code) + "</title>\n<id>urn:newsdesk:tuk:" + std::string(code) +
                  "</id>\n<updated>2005-06-01T12:00:00Z</updated>\n";
    bool first = true;
    for (const Story& story : stories) {
        if (story.Edition != edition || story.CategoryCode != code) {
            continue;
        }
        if (rss) {
            AppendRssItem(feed, story);
        } else {
            AppendAtomEntry(feed, story);
        }
        if (first) {
            feed += rss ? "<item><title>Live: the latest on the day&#8217;s news</title>"
                          "<description>Follow every update as it happens.</description></item>\n"
                        : "<entry><title>Live: the latest on the day\u2019s news</title>"
                          "<summary>Follow every update as it happens.</summary></entry>\n";
            first = false;
        }
    }
    feed += rss ? "</channel>\n</rss>\n" : "</feed>\n";
    return feed;
}

} // namespace newsdesk
