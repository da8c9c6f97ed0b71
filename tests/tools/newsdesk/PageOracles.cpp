#include "PageOracles.h"

#include "text/ByteText.h"

#include <array>

namespace newsdesk_test {
namespace {

using text::Copy;
using text::From;
using text::Index;
using text::Pos;

const std::string kHeadingPrefix = "<td bgcolor=#efefef class=ks width=60% nowrap>&nbsp;";
const std::string kItemMarker = "<table border=0 align=right cellpadding=5 cellspacing=0>";
const std::array<std::pair<const char*, const char*>, 8> kSections{{
    {"Top Stories", "TO"},
    {"World", "WO"},
    {"U.S.", "LO"},
    {"Business", "BU"},
    {"Sci/Tech", "SC"},
    {"Sports", "SP"},
    {"Entertainment", "EN"},
    {"Health", "HE"},
}};

std::string WithoutLineBreaks(const std::string& field) {
    return text::ReplaceAll(text::ReplaceAll(field, "\r\n", ""), "\n", "");
}

std::string TakeUrl(std::string& item) {
    item = From(item, Pos("<a ", item));
    const Index g = Pos(">", item);
    std::string tag = Copy(item, 1, g);
    item = From(item, g);
    tag = From(tag, Pos("href=", tag) + 5);
    return WithoutLineBreaks(text::ReplaceAll(Copy(tag, 1, Pos(" ", tag) - 1), "\"", ""));
}

std::string TakeTitle(std::string& item) {
    const Index p = Pos("<b>", item);
    const Index e = Pos("</b>", item);
    std::string title = Copy(item, p + 3, e - p - 3);
    item = From(item, e);
    return WithoutLineBreaks(title);
}

std::string TakeSnippet(std::string& item) {
    if (const Index a = Pos("hours ago</nobr>", item); a > 0) {
        item = From(item, a + 16);
    } else if (const Index b = Pos("hour ago</nobr>", item); b > 0) {
        item = From(item, b + 15);
    } else {
        item = From(item, 16);
    }
    item = From(item, Pos("<font size=-1>", item) + 14);
    return WithoutLineBreaks(Copy(item, 1, Pos("</font>", item) - 1));
}

bool IsRemovable(const std::string& name) {
    static const std::array<const char*, 47> kNames{
        "a",      "/a",      "b",      "/b",      "blockquote", "/blockquote", "br",     "/br",
        "center", "/center", "div",    "/div",    "em",         "/em",         "font",   "/font",
        "h1",     "/h1",     "h2",     "/h2",     "h3",         "/h3",         "i",      "/i",
        "img",    "/img",    "li",     "/li",     "noscript",   "/noscript",   "o:p",    "/o:p",
        "p",      "/p",      "script", "/script", "span",       "/span",       "strong", "/strong",
        "style",  "/style",  "u",      "/u",      "ul",         "/ul",         "!--"};
    for (const char* removable : kNames) {
        if (name == removable) {
            return true;
        }
    }
    return false;
}

// One step of the block conversion; false when the text was cut.
bool RemoveNextTag(std::string& text) {
    const Index a = Pos("<", text);
    const Index b = Pos(">", text);
    std::string tagText;
    if (a == 0) {
        tagText = Copy(text, 1, b - 1);
    } else if (b - a - 1 > 0) {
        tagText = Copy(text, a + 1, b - a - 1);
    }
    const Index blank = Pos(" ", tagText);
    std::string name = text::AsciiLower(blank > 0 ? Copy(tagText, 1, blank - 1) : tagText);
    Index e = b;
    if (name.starts_with("!--")) {
        name = "!--";
        if (const Index close = Pos("-->", text); close > 0) {
            e = close + 2;
        }
    } else if (name.starts_with("script")) {
        if (const Index close = Pos("/script>", text); close > 0) {
            e = close + 7;
        }
    } else if (name.starts_with("style")) {
        if (const Index close = Pos("/style>", text); close > 0) {
            e = close + 6;
        }
    }
    if (IsRemovable(name)) {
        text = Copy(text, 1, a - 1) + " " + From(text, e + 1);
        return true;
    }
    text = Copy(text, 1, a - 1);
    return false;
}

} // namespace

std::vector<long> SectionHeadingPositions(const std::string& page) {
    std::vector<long> positions;
    for (const auto& [title, code] : kSections) {
        positions.push_back(static_cast<long>(Pos(kHeadingPrefix + title, page)));
    }
    return positions;
}

std::vector<ListedStory> ReadFrontPage(const std::string& page) {
    const std::vector<long> p = SectionHeadingPositions(page);
    std::vector<ListedStory> stories;
    for (std::size_t k = 0; k < 8; ++k) {
        std::string section = k < 7 ? Copy(page, p[k], p[k + 1] - p[k]) : From(page, p[k]);
        while (const Index at = Pos(kItemMarker, section)) {
            section = From(section, at + static_cast<Index>(kItemMarker.size()));
            const Index next = Pos(kItemMarker, section);
            std::string item = next > 0 ? Copy(section, 1, next - 1) : section;
            ListedStory story;
            story.Code = kSections[k].second;
            story.Url = TakeUrl(item);
            story.Title = TakeTitle(item);
            story.Snippet = TakeSnippet(item);
            stories.push_back(std::move(story));
        }
    }
    return stories;
}

std::string BodyText(const std::string& page) {
    for (const char* tag : {"<body", "<BODY", "<Body"}) {
        if (const Index at = Pos(tag, page); at > 0) {
            return From(page, at);
        }
    }
    return page;
}

std::string ConvertBlock(std::string text) {
    while (RemoveNextTag(text)) {
    }
    return text;
}

std::vector<std::string> LocatorKeys(const std::string& snippet) {
    const Index n = static_cast<Index>(snippet.size());
    std::vector<std::string> keys{snippet};
    for (const Index part :
         {n / 2, n / 4, n / 8, n / 16 > 32 ? n / 16 : 0, n / 32 > 32 ? n / 32 : 0}) {
        keys.push_back(Copy(snippet, n - part + 1, part));
    }
    for (const Index part :
         {n / 2, n / 4, n / 8, n / 16 > 32 ? n / 16 : 0, n / 32 > 32 ? n / 32 : 0}) {
        keys.push_back(Copy(snippet, 1, part));
    }
    if (n - 64 > 32) {
        keys.push_back(Copy(snippet, 32, n - 64));
    }
    if (n - 96 > 32) {
        keys.push_back(Copy(snippet, 64, n - 96));
    }
    return keys;
}

} // namespace newsdesk_test
