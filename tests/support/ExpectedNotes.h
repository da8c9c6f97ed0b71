#pragma once

// What a run against the local news service must leave behind, worked out
// by handling every story's page in queue order on one thread, and compared
// with what a real run wrote in whatever order its pages arrived.

#include "newsdesk/NewsDesk.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lumbrant::testing {

// A news folder read back: every story's note files, keyed by the story's
// link, with the note numbers written as "#" so that arrival order does not
// matter; and the story link lines of every index page, numbers likewise
// hidden.
struct NewsFolder {
    std::map<std::string, std::vector<std::string>> StoryNotes;
    std::string IndexTitle;
    std::vector<std::string> IndexLines; // sorted
    std::size_t FileCount = 0;
};

NewsFolder ReadNewsFolder(const std::filesystem::path& folder);

// The values of an error log, sorted.
std::vector<std::string> ReadLogValues(const std::filesystem::path& log);

// Handles every story of the edition in queue order and answers the news
// folder that results and the log's entries.
struct Expectation {
    NewsFolder Notes;
    std::vector<std::string> LogValues; // sorted
};
Expectation ExpectedRun(const newsdesk::NewsDesk& desk, const std::string& edition,
                        const std::filesystem::path& scratch);

// The same for a feed edition whose feeds are those of codes, mostItems a feed.
Expectation ExpectedFeedRun(const newsdesk::NewsDesk& desk, const std::string& edition,
                            const std::vector<std::string>& codes, std::size_t mostItems,
                            const std::filesystem::path& scratch);

} // namespace lumbrant::testing
