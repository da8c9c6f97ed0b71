#pragma once

#include <span>
#include <string_view>

namespace newsdesk {

// Word lists for the invented news. Topics are the section indexes 1 to 7
// (World to Health); the Top Stories section borrows one of them per story.
// Patterns hold placeholders such as "{place}" that Prose fills from SlotWords.
using WordList = std::span<const std::string_view>;

inline constexpr int kTopicCount = 7;

// Headline i tells the story of lede i.
WordList LedePatterns(int topic);
WordList HeadlinePatterns(int topic);
WordList TopicDetailPatterns(int topic);
WordList SharedDetailPatterns();

// The words a placeholder stands for; "object" and "role" depend on the topic.
// An unknown slot gives an empty list.
WordList SlotWords(int topic, std::string_view slot);

WordList Outlets();
WordList Places();

} // namespace newsdesk
