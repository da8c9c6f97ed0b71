#pragma once

// Reads tags out of one fixed text by the rule that both conversions share:
// the next tag runs from the first "<" to the first ">"; its name is the tag
// text up to its first blank, lower-cased (ASCII letters only); a comment,
// script or style tag reaches on to the ">" of its closing text when that
// occurs.
//
// The conversions rewrite their text as they go, but what they have already
// passed never holds a "<" or ">" and ends in a blank, and no closing text
// contains a blank. So every question about the rewritten text can be asked
// of the original at the matching position, and a closing text is always
// found after the "<" that opened its tag.

#include "article/OccurrenceFinder.h"

#include <cstddef>
#include <string_view>

namespace lumbrant {

struct TagReading {
    bool NameEmpty = true;
    bool Removable = false;
    // 0-based position of the last character that the tag takes with it.
    std::size_t End = 0;
};

class TagScanner {
public:
    static constexpr std::size_t npos = OccurrenceFinder::npos;

    // Queries must not go back.
    explicit TagScanner(std::string_view text);

    std::size_t NextOpen(std::size_t from) { return opens_.Next(from); }
    std::size_t NextClose(std::size_t from) { return closes_.Next(from); }

    // The tag whose "<" is at open and whose first ">" after it is at close,
    // with close > open + 1.
    TagReading Read(std::size_t open, std::size_t close);

private:
    std::string_view text_;
    OccurrenceFinder opens_;
    OccurrenceFinder closes_;
    OccurrenceFinder commentEnds_;
    OccurrenceFinder scriptEnds_;
    OccurrenceFinder styleEnds_;
};

} // namespace lumbrant
