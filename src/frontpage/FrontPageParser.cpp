#include "frontpage/FrontPageParser.h"

#include "frontpage/Editions.h"
#include "text/ByteText.h"

#include <algorithm>

namespace lumbrant {

namespace {

using text::Index;

// T from s, as a view: the clamped tail of t starting at 1-based position s.
std::string_view TailFrom(std::string_view t, Index s) {
    const std::size_t offset = s < 1 ? 0 : static_cast<std::size_t>(s - 1);
    return offset >= t.size() ? std::string_view() : t.substr(offset);
}

std::string RemoveLineBreaks(std::string field) {
    field = text::ReplaceAll(field, "\r\n", "");
    return text::ReplaceAll(field, "\n", "");
}

std::string ExtractLink(std::string& item) {
    item = text::From(item, text::Pos("<a ", item));
    const Index g = text::Pos(">", item);
    std::string tag = text::Copy(item, 1, g);
    item = text::From(item, g);
    tag = text::From(tag, text::Pos("href=", tag) + 5);
    std::string link = text::Copy(tag, 1, text::Pos(" ", tag) - 1);
    link.erase(std::remove(link.begin(), link.end(), '"'), link.end());
    return link;
}

std::string ExtractHeadline(std::string& item) {
    const Index p = text::Pos("<b>", item);
    const Index e = text::Pos("</b>", item);
    std::string headline = text::Copy(item, p + 3, e - p - 3);
    item = text::From(item, e);
    return headline;
}

std::string ExtractSnippet(std::string& item) {
    constexpr std::string_view kHoursAgo = "hours ago</nobr>";
    constexpr std::string_view kHourAgo = "hour ago</nobr>";
    constexpr std::string_view kFont = "<font size=-1>";
    if (const Index a = text::Pos(kHoursAgo, item)) {
        item = text::From(item, a + static_cast<Index>(kHoursAgo.size()));
    } else if (const Index b = text::Pos(kHourAgo, item)) {
        item = text::From(item, b + static_cast<Index>(kHourAgo.size()));
    } else {
        item = text::From(item, 16);
    }
    item = text::From(item, text::Pos(kFont, item) + static_cast<Index>(kFont.size()));
    return text::Copy(item, 1, text::Pos("</font>", item) - 1);
}

} // namespace

std::string ExtractStoryField(std::string& item, char kind) {
    switch (kind) {
    case 'a':
        return RemoveLineBreaks(ExtractLink(item));
    case 'b':
        return RemoveLineBreaks(ExtractHeadline(item));
    case 'f':
        return RemoveLineBreaks(ExtractSnippet(item));
    default:
        return {};
    }
}

void ParseSection(std::string_view section, std::string_view code, SectionStoryLists& lists) {
    const int index = SectionIndex(code);
    if (index < 0) {
        return;
    }
    StoryList& list = lists[static_cast<std::size_t>(index)];
    const Index markerLength = static_cast<Index>(kStoryItemMarker.size());
    std::string_view rest = section;
    for (std::size_t stories = 0; stories < kMaxStoriesPerSection; ++stories) {
        const Index p = text::Pos(kStoryItemMarker, rest);
        if (p == 0) {
            break;
        }
        rest = TailFrom(rest, p + markerLength);
        const Index q = text::Pos(kStoryItemMarker, rest);
        std::string item(q == 0 ? rest : rest.substr(0, static_cast<std::size_t>(q - 1)));
        std::string link = ExtractStoryField(item, 'a');
        std::string headline = ExtractStoryField(item, 'b');
        std::string snippet = ExtractStoryField(item, 'f');
        list.emplace_back(kUnreaded);
        list.push_back(std::move(link));
        list.push_back(std::move(headline));
        list.push_back(std::move(snippet));
    }
}

void ParseFrontPageSections(std::string_view page, SectionStoryLists& lists) {
    std::array<Index, kSectionCount> positions{};
    for (std::size_t k = 0; k < kSections.size(); ++k) {
        std::string marker(kSectionHeadingPrefix);
        marker += kSections[k].Title;
        positions[k] = text::Pos(marker, page);
    }
    for (std::size_t k = 0; k < kSections.size(); ++k) {
        std::string_view section;
        if (k + 1 < kSections.size()) {
            const Index start = std::max<Index>(positions[k], 1);
            const Index count = positions[k + 1] - positions[k];
            const std::string_view tail = TailFrom(page, start);
            section = count <= 0
                          ? std::string_view()
                          : tail.substr(0, std::min<std::size_t>(tail.size(),
                                                                 static_cast<std::size_t>(count)));
        } else {
            section = TailFrom(page, positions[k]);
        }
        ParseSection(section, kSections[k].Code, lists);
    }
}

} // namespace lumbrant
