#pragma once

// The texts of a feed item in the forms a story record holds them: a title
// as a classic front page carries it, and a summary as the article page
// shows it, which is what the text locator looks for there. Bytes that are
// not markup are kept as they arrived.

#include <string>
#include <string_view>

namespace lumbrant {

// HTML to the text it shows: every tag and comment becomes a blank (a
// script or style element goes whole) and character references are
// decoded (numeric ones and HTML5's named ones) to UTF-8, "&nbsp;" to a
// blank. A "<" that opens no
// tag, and a reference that names no character, stay as they are.
std::string HtmlToPlainText(std::string_view html);

// The text with every run of blanks, tabs and line breaks made one blank,
// and none at either end.
std::string FoldBlanks(std::string_view text);

// The text with "&", "<", ">" and '"' written as entities, as a classic
// front page carries a headline.
std::string AsPageText(std::string_view text);

} // namespace lumbrant
