#include "newsdesk/OddFeed.h"

#include "newsdesk/Feed.h"

#include <algorithm>

namespace newsdesk {
namespace {

constexpr std::string_view kRightQuote = "\u2019";
constexpr std::string_view kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// A shape in single bytes: the word that opens its headlines, in UTF-8 and
// in its bytes, and the byte of the right quote that headlines and
// summaries hold. Only these and ASCII stand in such a feed.
struct SingleByteShape {
    std::string_view Shape;
    std::string_view Declared; // the declaration's encoding; empty for no declaration
    std::string_view Word;
    std::string_view WordBytes;
    std::string_view QuoteByte;
};

constexpr SingleByteShape kSingleByteShapes[] = {
    {"cp1251", "windows-1251", "Новости", "\xCD\xEE\xE2\xEE\xF1\xF2\xE8", "\x92"},
    {"greek", "ISO-8859-7", "Ειδήσεις", "\xC5\xE9\xE4\xDE\xF3\xE5\xE9\xF2", "\xA2"},
    {"latin1", "", "Café", "Caf\xE9", "\x92"},
};

const SingleByteShape* SingleByte(std::string_view shape) {
    for (const SingleByteShape& single : kSingleByteShapes) {
        if (single.Shape == shape) {
            return &single;
        }
    }
    return nullptr;
}

// XML text in the feed's bytes.
std::string Written(std::string_view shape, std::string_view text) {
    const SingleByteShape* single = SingleByte(shape);
    const std::string escaped = Escaped(text);
    return single == nullptr ? escaped : Replaced(escaped, kRightQuote, single->QuoteByte);
}

std::string WrittenHeadline(std::string_view shape, const Story& story) {
    const std::string title = Written(shape, ModernText(story.Title));
    if (const SingleByteShape* single = SingleByte(shape)) {
        return std::string(single->WordBytes) + " " + title;
    }
    return shape == "nbsp" ? "Live&colon;&nbsp;" + title : title;
}

std::vector<const Story*> Listed(const std::vector<Story>& stories) {
    std::vector<const Story*> listed;
    for (const Story& story : stories) {
        if (story.Edition == "tus" && story.CategoryCode == "TO") {
            listed.push_back(&story);
        }
    }
    return listed;
}

std::string RenderRss(std::string_view shape, const std::vector<const Story*>& stories) {
    const SingleByteShape* single = SingleByte(shape);
    std::string feed(kUtf8Declaration);
    if (single != nullptr) {
        feed = single->Declared.empty()
                   ? std::string()
                   : "<?xml version=\"1.0\" encoding=\"" + std::string(single->Declared) + "\"?>\n";
    }
    feed += "<rss version=\"2.0\">\n<channel>\n<title>Newsdesk: " + std::string(shape) +
            "</title>\n<link>/</link>\n";
    for (std::size_t at = 0; at < stories.size(); ++at) {
        const Story& story = *stories[at];
        if (shape == "broken" && at == kItemsBeforeTheBreak) {
            feed += "<item><title>Broken &bogus; item</title><link>" + story.FeedUrl +
                    "</link></item>\n";
        }
        feed += "<item><title>" + WrittenHeadline(shape, story) + "</title><link>" + story.FeedUrl +
                "</link><description>" + Written(shape, OddFeedSummary(story)) +
                "</description></item>\n";
    }
    return feed + "</channel>\n</rss>\n";
}

std::string RenderRdf(const std::vector<const Story*>& stories) {
    std::string feed(kUtf8Declaration);
    feed += "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
            "xmlns=\"http://purl.org/rss/1.0/\" "
            "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">\n"
            "<channel rdf:about=\"/feeds/odd/rdf.xml\">\n<title>Newsdesk: rdf</title>\n"
            "<link>/</link>\n<description>RSS 1.0</description>\n<items><rdf:Seq>\n";
    for (const Story* story : stories) {
        feed += "<rdf:li rdf:resource=\"" + story->FeedUrl + "\"/>\n";
    }
    feed += "</rdf:Seq></items>\n</channel>\n";
    for (const Story* story : stories) {
        feed += "<item rdf:about=\"" + story->FeedUrl + "\">\n<title>" +
                Escaped(ModernText(story->Title)) + "</title>\n<link>" + story->FeedUrl +
                "</link>\n<content:encoded><![CDATA[<p>" +
                Replaced(OddFeedSummary(*story), "&", "&amp;") +
                "</p>]]></content:encoded>\n</item>\n";
    }
    return feed + "</rdf:RDF>\n";
}

// An Atom entry's link, and the xml:base of the entry itself, if any.
std::string AtomLink(std::string_view shape, const Story& story) {
    if (shape == "relative") {
        return "<link href=\"" + story.FeedPath + "\"/>";
    }
    if (shape == "base") {
        return "<link href=\"" + story.FeedPath.substr(story.FeedPath.rfind('/') + 1) + "\"/>";
    }
    return "<link rel=\"alternate\" type=\"text/html\" href=\"" + story.FeedUrl + "\"/>";
}

std::string RenderAtom(std::string_view shape, const std::vector<const Story*>& stories) {
    constexpr std::string_view kStoryFolder = "/story/";
    std::string feed(kUtf8Declaration);
    feed += "<feed xmlns=\"http://www.w3.org/2005/Atom\" "
            "xmlns:media=\"http://search.yahoo.com/mrss/\"";
    if (shape == "base") {
        feed += " xml:base=\"" + std::string(kStoryFolder) + "\"";
    }
    feed += ">\n<title>Newsdesk: " + std::string(shape) +
            "</title>\n<id>urn:newsdesk:odd:" + std::string(shape) +
            "</id>\n<updated>2005-06-01T12:00:00Z</updated>\n";
    for (const Story* story : stories) {
        feed += "<entry";
        if (shape == "base") {
            // "tus/TO/" of "/story/tus/TO/1.html", against the feed's "/story/".
            const std::string& path = story->FeedPath;
            feed += " xml:base=\"" +
                    path.substr(kStoryFolder.size(), path.rfind('/') + 1 - kStoryFolder.size()) +
                    "\"";
        }
        const std::string title = Escaped(ModernText(story->Title));
        const std::string summary = Escaped(OddFeedSummary(*story));
        feed += ">\n<title>" + title + "</title>\n" + AtomLink(shape, *story) +
                "\n<id>urn:newsdesk:tus:" + std::to_string(story->Number) +
                "</id>\n<updated>2005-06-01T12:00:00Z</updated>\n";
        if (shape == "media") {
            feed += "<media:group><media:title>" + title +
                    "</media:title><media:thumbnail url=\"/img/" + std::to_string(story->Number) +
                    ".jpg\"/><media:description>" + summary +
                    "</media:description></media:group>\n";
        } else {
            feed += "<summary>" + summary + "</summary>\n";
        }
        feed += "</entry>\n";
    }
    return feed + "</feed>\n";
}

} // namespace

std::string RenderOddFeed(std::string_view shape, const std::vector<Story>& stories) {
    if (std::find(kOddFeedShapes.begin(), kOddFeedShapes.end(), shape) == kOddFeedShapes.end()) {
        return {};
    }
    const std::vector<const Story*> listed = Listed(stories);
    if (shape == "rdf") {
        return RenderRdf(listed);
    }
    if (shape == "relative" || shape == "base" || shape == "media") {
        return RenderAtom(shape, listed);
    }
    return RenderRss(shape, listed);
}

std::string OddFeedHeadline(std::string_view shape, const Story& story) {
    const std::string title = ModernText(story.Title);
    if (const SingleByteShape* single = SingleByte(shape)) {
        return std::string(single->Word) + " " + title;
    }
    return shape == "nbsp" ? "Live: " + title : title;
}

std::string OddFeedSummary(const Story& story) {
    return ModernText(story.Snippet);
}

} // namespace newsdesk
