#pragma once

// Hand-written front pages in the layout the parser relies on.

#include "frontpage/Editions.h"
#include "frontpage/FrontPageParser.h"

#include <string>
#include <vector>

namespace lumbrant::testing {

inline std::string SectionMarker(std::size_t section) {
    return std::string(kSectionHeadingPrefix) + std::string(kSections[section].Title);
}

inline std::string Item(const std::string& link, const std::string& headline,
                        const std::string& snippet, const std::string& age = "3 hours ago</nobr>") {
    return std::string(kStoryItemMarker) + "<tr><td><a href=" + link + " class=y>" + "<b>" +
           headline + "</b></a><br><font size=-1 color=#6f6f6f><nobr>Daily Post - " + age +
           "</font><br>" + "<font size=-1>" + snippet + "</font></td></tr></table>";
}

// A page whose section k (0-based) holds items[k].
inline std::string Page(const std::vector<std::vector<std::string>>& items) {
    std::string page = "<html><head><title>News</title></head><body><table>";
    for (std::size_t k = 0; k < items.size(); ++k) {
        page += "<tr>" + SectionMarker(k) + "</td></tr>\r\n";
        for (const auto& item : items[k]) {
            page += item + "\r\n";
        }
    }
    return page + "</table></body></html>";
}

} // namespace lumbrant::testing
