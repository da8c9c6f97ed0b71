#pragma once

#include <array>
#include <string>
#include <vector>

namespace lumbrant {

inline constexpr int kSectionCount = 8;

// One list per front-page section; four consecutive entries form a story
// record (read state, article link, title, snippet). Lists only grow.
using StoryList = std::vector<std::string>;
using SectionStoryLists = std::array<StoryList, kSectionCount>;

} // namespace lumbrant
