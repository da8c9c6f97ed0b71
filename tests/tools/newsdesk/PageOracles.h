#pragma once

// Plain transcriptions of how the program reads the service's pages, written
// the slow and literal way, so the service can be checked against what its
// reader will really see.

#include <string>
#include <vector>

namespace newsdesk_test {

struct ListedStory {
    std::string Code;
    std::string Url;
    std::string Title;
    std::string Snippet;
};

// 1-based positions of the eight section headings in the page (0 = missing).
std::vector<long> SectionHeadingPositions(const std::string& page);

// The story records a front page yields, section by section, in page order.
std::vector<ListedStory> ReadFrontPage(const std::string& page);

// The page from its body tag on ("<body", else "<BODY", else "<Body"), or the
// whole page when it has none of them.
std::string BodyText(const std::string& page);

// The text block that starts at the beginning of text: removable tags become
// one blank each (comments, scripts and style sheets go whole), and the first
// other tag cuts the text.
std::string ConvertBlock(std::string text);

// The keys the locator would search for in turn, the whole snippet first.
std::vector<std::string> LocatorKeys(const std::string& snippet);

} // namespace newsdesk_test
