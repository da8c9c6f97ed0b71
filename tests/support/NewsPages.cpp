#include "support/NewsPages.h"

#include <regex>

namespace articletest {

namespace {

const std::vector<std::string> kSubjects = {
    "The city council",  "A team of researchers",  "The regional hospital",
    "Local farmers",     "The transport ministry", "Residents of the old quarter",
    "The football club", "Two engineers",          "The national library",
    "A small bakery",    "The weather service",    "Teachers in the valley",
};

const std::vector<std::string> kClauses = {
    "announced a new plan on Tuesday, after months of debate, to rebuild the harbour",
    "said that the results, although early, point to a slower spread than feared",
    "warned that prices could rise again this winter, when demand peaks",
    "expects the work to take two years, costing about 40 million, and to begin in spring",
    "found that older records, kept on paper, were more complete than the digital ones",
    "asked for more time, saying the proposal, as written, leaves too many questions open",
};

} // namespace

const std::vector<std::string> kFurnitureTexts = {
    "Home World Business Sport Culture",
    "Accept all cookies to continue",
    "Most read: Ten gadgets we loved this year",
    "Copyright 2024 Daily Example Media Group",
    "Share on Facebook",
};

std::string HtmlPage(std::string_view head, std::string_view body) {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">" + std::string(head) +
           "</head>\n<body>" + std::string(body) + "</body></html>\n";
}

std::string ArticleParagraph(int n) {
    const auto index = static_cast<std::size_t>(n);
    return kSubjects[index % kSubjects.size()] + " " + kClauses[index % kClauses.size()] +
           ". Paragraph " + std::to_string(n) + " of the story, as the reporter wrote it, adds " +
           "more detail for the reader, with names, places and numbers.";
}

std::string ParagraphElements(int first, int last) {
    std::string elements;
    for (int n = first; n < last; ++n) {
        elements += "<p>" + ArticleParagraph(n) + "</p>\n";
    }
    return elements;
}

std::string SiteNavigation() {
    return "<header class=\"site-header\"><nav><ul><li><a href=\"/\">Home</a></li> <li><a "
           "href=\"/w\">World</a></li> <li><a href=\"/b\">Business</a></li> <li><a "
           "href=\"/s\">Sport</a></li> <li><a href=\"/c\">Culture</a></li></ul></nav>"
           "<div class=\"cookie-banner\">Accept all cookies to continue</div></header>\n";
}

std::string SiteFooter() {
    return "<div class=\"related-links\"><h3>Most read</h3><ul><li><a href=\"/x\">Most read: Ten "
           "gadgets we loved this year</a></li></ul></div><div class=\"social\"><a "
           "href=\"/share\">Share on Facebook</a></div>\n<footer><p>Copyright 2024 Daily Example "
           "Media Group</p></footer>\n";
}

std::vector<std::string> NoteLines(std::string_view note) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < note.size()) {
        std::size_t end = note.find("\r\n", start);
        if (end == std::string_view::npos) {
            end = note.size();
        }
        if (end > start) {
            lines.emplace_back(note.substr(start, end - start));
        }
        start = end + 2;
    }
    return lines;
}

bool HoldsCharacterReference(std::string_view text) {
    static const std::regex reference("&(#[0-9]+|#[xX][0-9a-fA-F]+|[A-Za-z][A-Za-z0-9]*);");
    return std::regex_search(text.begin(), text.end(), reference);
}

} // namespace articletest
