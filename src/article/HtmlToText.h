#pragma once

// HTML to plain text, the way article pages are read: tags are found by
// literal search for "<" and ">", a removable tag becomes one blank (a
// comment, script or style element goes whole), and any other tag marks the
// edge of a text block. Character references are not decoded and nothing is
// trimmed.

#include <array>
#include <string>
#include <string_view>

namespace lumbrant {

// Lower-case tag names that a text block may contain. "!--" stands for every
// comment.
inline constexpr std::array<std::string_view, 47> RemovableTags{
    "a",      "/a",      "b",      "/b",      "blockquote", "/blockquote", "br",     "/br",
    "center", "/center", "div",    "/div",    "em",         "/em",         "font",   "/font",
    "h1",     "/h1",     "h2",     "/h2",     "h3",         "/h3",         "i",      "/i",
    "img",    "/img",    "li",     "/li",     "noscript",   "/noscript",   "o:p",    "/o:p",
    "p",      "/p",      "script", "/script", "span",       "/span",       "strong", "/strong",
    "style",  "/style",  "u",      "/u",      "ul",         "/ul",         "!--"};

// True when the (already lower-cased) name is one of RemovableTags.
bool IsRemovableTag(std::string_view name);

// The text block at the start of html: removable tags become one blank each,
// and the text is cut at the first other tag. Html with no "<" left gives an
// empty text.
std::string ConvertBlock(std::string_view html);

// The longest piece of html between two tags that are not removable, after
// its blanks and line breaks are tidied; of equal pieces the earliest. The
// scan gives up at a tag that lies more than 50000 characters ahead.
std::string LongestBlock(std::string_view html);

} // namespace lumbrant
