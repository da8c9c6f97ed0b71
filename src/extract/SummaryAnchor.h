#pragma once

// Where a feed's summary stands in the page: the block of text that holds
// most of the summary's words, or, when the summary is longer than any one
// block (publishers join or shorten paragraphs), the block whose own words
// are most of them in the summary. Words are compared with ASCII letter case
// folded; summaries come with references decoded and blanks folded.

#include "extract/PageTree.h"
#include "extract/TextBlocks.h"

#include <cstdint>
#include <string_view>

namespace lumbrant {

// The index of the block in measure.Blocks, or kNoNode when no block
// matches well enough.
std::uint32_t FindAnchorBlock(const PageTree& tree, const TextMeasure& measure,
                              std::string_view summaryText);

} // namespace lumbrant
