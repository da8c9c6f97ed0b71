#pragma once

// The queue of stories still to fetch: the eight story lists in section
// order, a record being taken once its read state is exactly "Readed".

#include "frontpage/StoryList.h"

#include <array>
#include <string>

namespace lumbrant {

inline constexpr std::string_view kReaded = "Readed";

// What the handling of a story's article page needs of its record.
struct StoryRecord {
    std::string ArticleUrl;
    std::string StoryTitle;
    std::string Snippet;
};

class StoryQueue {
public:
    explicit StoryQueue(SectionStoryLists& lists);

    // Takes the first waiting story in queue order and marks it "Readed".
    // With none left, categoryCode becomes "NO" and the others stay as they were.
    void TakeNextStory(std::string& articleUrl, std::string& categoryCode, std::string& storyId);

    // The entries storyId, storyId + 1 and storyId + 2 of the list of
    // categoryCode. A code of no section gives an empty record; an id that is
    // not a decimal number or lies beyond the list throws std::runtime_error.
    StoryRecord LookUpStory(const std::string& categoryCode, const std::string& storyId) const;

    // How many stories are still waiting.
    int WaitingStories() const;

private:
    SectionStoryLists& lists_;
    // Per list, the record from which the search for a waiting one starts.
    // Records never become waiting again, so everything before it is taken.
    std::array<std::size_t, kSectionCount> firstWaiting_{};
};

} // namespace lumbrant
