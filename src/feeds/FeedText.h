#pragma once

// The texts of a feed item in the forms a story record holds them: a title
// as a classic front page carries it, and a summary of plain text on one
// line. Bytes that are not markup are kept as they arrived; markup is read
// by the article extractor's HTML5 parser (SummaryText).

#include <string>
#include <string_view>

namespace lumbrant {

// The text with every run of blanks, tabs and line breaks made one blank,
// and none at either end.
std::string FoldBlanks(std::string_view text);

// The text with "&", "<", ">" and '"' written as entities, as a classic
// front page carries a headline.
std::string AsPageText(std::string_view text);

} // namespace lumbrant
