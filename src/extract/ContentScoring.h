#pragma once

// Finds the element that holds the article: every block of text scores its
// element's ancestors by its length and commas, an element's score is cut by
// the share of its text in links and moved by its tag, class words and
// article markers, and the block that the feed's summary matches favours the
// elements that hold it or follow it. The best element is then widened to
// the siblings that continue it (an article cut into sections by figures,
// asides or ads between them).

#include "extract/PageTree.h"
#include "extract/TextBlocks.h"

#include <cstdint>
#include <vector>

namespace lumbrant {

struct ArticleChoice {
    // The subtrees that make the article, in document order; empty when the
    // page has no block of text worth one.
    std::vector<std::uint32_t> Roots;
    // The block that the summary matches when it stands before the roots
    // (a lead paragraph above the article's body), or kNoNode.
    std::uint32_t LeadBlock = kNoNode;
};

// anchorBlock: the block that the feed's summary matches, or kNoNode.
ArticleChoice ChooseArticle(const PageTree& tree, const TextMeasure& measure,
                            std::uint32_t anchorBlock);

} // namespace lumbrant
