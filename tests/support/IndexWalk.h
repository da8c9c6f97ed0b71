#pragma once

// The index of a news folder as the player's note reader walks it: from
// "index" along the "Continue..." links.

#include "support/TempFolder.h"

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace lumbrant::testing {

struct IndexWalk {
    std::vector<std::string> Pages;   // every page's content, in walking order
    std::vector<std::string> Stories; // every story link's target, in order
};

inline IndexWalk WalkIndex(const std::filesystem::path& folder) {
    static const std::regex link("<a href=\"([^\"]*)\">(.*)</a>\r");
    IndexWalk walk;
    std::string next = "index";
    while (!next.empty()) {
        walk.Pages.push_back(FileContent(folder / next));
        next.clear();
        std::istringstream lines(walk.Pages.back());
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (!std::regex_match(line, match, link)) {
                continue;
            }
            if (match[2] == "Continue...") {
                next = match[1];
            } else {
                walk.Stories.push_back(match[1]);
            }
        }
    }
    return walk;
}

} // namespace lumbrant::testing
