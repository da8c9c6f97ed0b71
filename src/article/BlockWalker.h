#pragma once

// The block conversion as a walk through a fixed page. A conversion that
// starts at some position passes removable tags one by one; after each it
// resumes right behind the tag, and from there on its course no longer
// depends on where it started. Conversions of many starting points can so
// share their common tails instead of each rebuilding the page.

#include "article/TagScanner.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lumbrant {

// One step of the conversion from a position `at` of the page.
struct BlockStep {
    // No "<" from `at` on: the whole block, whatever came before, is empty.
    bool NoTagLeft = false;
    // The step keeps the page from `at` up to, not including, TextEnd.
    std::size_t TextEnd = 0;
    // A removable tag follows: the block gets one blank and goes on at Next.
    bool GoesOn = false;
    std::size_t Next = 0;
    // Every start in [at, SameUpTo) takes the same course from TextEnd on.
    std::size_t SameUpTo = 0;
};

class BlockWalker {
public:
    // No step may start before an earlier one.
    explicit BlockWalker(std::string_view page);

    BlockStep StepFrom(std::size_t at);

    // The block conversion of the page from start (0-based) to its end.
    std::string Convert(std::size_t start);

    std::string_view Page() const { return page_; }

private:
    std::string_view page_;
    TagScanner tags_;
};

} // namespace lumbrant
