#include "frontpage/StoryQueue.h"

#include "frontpage/Editions.h"

#include <charconv>
#include <stdexcept>

namespace lumbrant {

namespace {

int ParseStoryId(const std::string& storyId) {
    int value = 0;
    const char* first = storyId.data();
    const char* last = first + storyId.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last) {
        throw std::runtime_error("'" + storyId + "' is not a valid integer value");
    }
    return value;
}

} // namespace

StoryQueue::StoryQueue(SectionStoryLists& lists) : lists_(lists) {}

void StoryQueue::TakeNextStory(std::string& articleUrl, std::string& categoryCode,
                               std::string& storyId) {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        StoryList& list = lists_[i];
        const std::size_t records = list.size() / 4;
        for (std::size_t k = firstWaiting_[i]; k < records; ++k) {
            if (list[4 * k] == kReaded) {
                firstWaiting_[i] = k + 1;
                continue;
            }
            articleUrl = list[4 * k + 1];
            categoryCode = std::string(kSections[i].Code);
            storyId = std::to_string(4 * k + 1);
            list[4 * k] = std::string(kReaded);
            firstWaiting_[i] = k + 1;
            return;
        }
    }
    categoryCode = std::string(kNoSection);
}

int StoryQueue::WaitingStories() const {
    int waiting = 0;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const StoryList& list = lists_[i];
        for (std::size_t k = firstWaiting_[i]; k < list.size() / 4; ++k) {
            waiting += list[4 * k] == kReaded ? 0 : 1;
        }
    }
    return waiting;
}

StoryRecord StoryQueue::LookUpStory(const std::string& categoryCode,
                                    const std::string& storyId) const {
    const int n = ParseStoryId(storyId);
    const int index = SectionIndex(categoryCode);
    if (index < 0) {
        return {};
    }
    const StoryList& list = lists_[static_cast<std::size_t>(index)];
    if (n < 0 || static_cast<std::size_t>(n) + 2 >= list.size()) {
        throw std::runtime_error("List index out of bounds (" + std::to_string(n) + ")");
    }
    const auto first = static_cast<std::size_t>(n);
    return {list[first], list[first + 1], list[first + 2]};
}

} // namespace lumbrant
