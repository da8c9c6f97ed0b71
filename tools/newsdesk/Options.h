#pragma once

#include <set>
#include <string>

namespace newsdesk {

// What the service serves and how it misbehaves. Story numbers are 1-based
// over an edition in page order (see Story::Number) and apply to both editions.
struct Options {
    std::string Host = "127.0.0.1"; // a loopback address or "localhost"; others are refused
    int Port = 0;                   // 0 picks a free port
    int StoriesPerSection = 3;      // 0 to kMaxStoriesPerSection
    int LatencyMs = 0;              // waited before every answer
    std::set<int> FailStories;      // their article path answers 404
    std::set<int> RedirectStories;  // their article path answers 302 to the moved path
    std::set<int> StallStories;     // their article path answers nothing for StallMs
    int StallMs = 120000;           // then the page is sent after all (Stop ends it at once)
    int Threads = 16;               // requests served at the same time
};

inline constexpr int kMaxStoriesPerSection = 1000;

} // namespace newsdesk
