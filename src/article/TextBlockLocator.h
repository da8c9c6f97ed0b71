#pragma once

// Finds an article's text in its page by the snippet that the front page
// showed under the headline: the whole snippet first, then ever smaller
// pieces of it from its end, its start and its middle. The first piece that
// occurs decides; the text runs from there to the end of the text block.

#include "text/ByteText.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

struct LocateResult {
    bool Found = false;
    // "All", "Right 1/2" ... "Right 1/32", "Left 1/2" ... "Left 1/32", "mid 1", "mid 2".
    std::string Strategy;
    std::string Text;
};

// Tries the strategies in their fixed order; occurrences is working space
// that holds the positions of the last key searched for.
LocateResult LocateTextBlock(const std::string& snippet, const std::string& bodyText,
                             std::vector<text::Index>& occurrences);

// Fills occurrences with the 1-based positions of key in bodyText, left to
// right and not overlapping. When there are two or more, those that seem to
// lie inside a tag are left out: a "<" follows them, and either a ">" comes
// before it or no ">" follows at all.
void FindOccurrences(std::string_view key, std::string_view bodyText,
                     std::vector<text::Index>& occurrences);

// The longest of the text blocks that start at the listed positions; of
// equally long ones the earliest listed. Empty for an empty list.
std::string ExtractBlock(const std::vector<text::Index>& occurrences, std::string_view bodyText);

// As ExtractBlock, but every occurrence of key in each converted block is
// first replaced by replacement, and the blocks are compared after that.
std::string ExtractBlockWithSnippet(const std::vector<text::Index>& occurrences,
                                    std::string_view bodyText, std::string_view key,
                                    std::string_view replacement);

} // namespace lumbrant
