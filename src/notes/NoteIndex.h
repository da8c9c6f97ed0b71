#pragma once

// The index note of the news folder: a title line, then one link line per
// story in the order in which the stories were written. The player shows at
// most kMaxIndexPage bytes of a note, so a longer index goes on in
// "index-1", "index-2", ..., each page but the last ending with a
// "Continue..." line to the next, the way a story's chain does. "index" is
// always the first page and the only one with the title line.

#include <cstddef>
#include <string>

namespace lumbrant {

inline constexpr const char* kIndexOfSingleNote = "<title>Here Starts</title>";
inline constexpr const char* kIndexOfChain = "<title>Index of News</title>";

inline constexpr std::size_t kMaxIndexPage = 4000;
// A link line is never longer (a longer title is cut), so that one fits any
// page together with the title line and a "Continue..." line.
inline constexpr std::size_t kMaxIndexLinkLine = 3900;

// Appends the link line for target to the index in newsFolder (a path that
// ends with a separator), starting a new index with titleLine when there is
// none. The page that takes the line is written again whole; when it would
// pass kMaxIndexPage, its last lines and the new one go on to the pages
// after it. Throws std::runtime_error when a page cannot be read or written.
void AddToIndex(const std::string& newsFolder, const std::string& target, const std::string& title,
                const std::string& titleLine);

// "index" for page 0, "index-K" for page K.
std::string IndexPageName(std::size_t page);

} // namespace lumbrant
