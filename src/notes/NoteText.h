#pragma once

// The text of a story note: the title line and the article's text, cleaned up
// for the device's note reader, and the links that tie notes together.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumbrant {

// A story whose cleaned-up text is shorter than this is not worth a note.
inline constexpr std::size_t kMinNoteText = 300;

inline constexpr std::string_view kEmptyLineBreak = "\r\n\r\n";

// The title, an empty line and the text, with the common HTML entities, tabs
// and runs of spaces reduced, and every empty or blank line removed (the
// empty line after the title included).
std::string CleanNoteText(const std::string& storyTitle, const std::string& text);

// s without its NUL bytes. A NUL means nothing in page text (browsers drop
// it too), and the note reader would take it for the end of the note.
std::string DropNul(std::string_view s);

// The title as its note's first line and its index line show it: without
// NUL bytes, every CR and LF a blank, "<" and ">" written as "&lt;" and
// "&gt;", so that a headline stays one line of text and can plant neither a
// link nor a title of its own.
std::string TitleLine(std::string_view title);

// The story's link as its note's last line shows it: without NUL, CR and LF,
// and with '"' written as "%22", so that it stays one line and one address.
std::string LinkText(std::string_view link);

std::string BackLinkLine();
std::string ContinueLinkLine(const std::string& noteName, std::size_t nextPart);
std::string IndexLinkLine(const std::string& target, const std::string& title);

// An empty line, the "Back" link line, an empty line and the story's link.
// The "Back" link line starts kEmptyLineBreak.size() characters in.
std::string NoteFooter(const std::string& articleUrl);

} // namespace lumbrant
