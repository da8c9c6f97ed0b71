#pragma once

// The index note of the news folder: a title line, then one link line per
// story in the order in which the stories were written.

#include <string>

namespace lumbrant {

inline constexpr const char* kIndexOfSingleNote = "<title>Here Starts</title>";
inline constexpr const char* kIndexOfChain = "<title>Index of News</title>";

// Appends the link line for target to the index in newsFolder (a path that
// ends with a separator), starting a new index with titleLine when there is
// none. The whole index is written again. Throws std::runtime_error when the
// index cannot be read or written.
void AddToIndex(const std::string& newsFolder, const std::string& target, const std::string& title,
                const std::string& titleLine);

} // namespace lumbrant
