#pragma once

// Reads the service's pages the way the program does, with the program's
// own parser, so the service is checked against what its reader will see.

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

// The keys the locator would search for in turn, the whole snippet first.
std::vector<std::string> LocatorKeys(const std::string& snippet);

} // namespace newsdesk_test
