#include "extract/ContentScoring.h"

#include <algorithm>

namespace lumbrant {

namespace {

constexpr std::uint32_t kMinScoredChars = 40;
constexpr int kAncestorLevels = 3;
constexpr std::size_t kAlternatives = 5;
constexpr std::uint32_t kMinSectionChars = 100;
constexpr float kMaxSectionLinkDensity = 0.3F;
constexpr float kHeldProseShare = 0.75F;
constexpr int kProseLevels = 4;
constexpr float kHoldsAnchorBonus = 1.5F;
constexpr float kFollowsAnchorBonus = 1.25F;
// How far after the summary's block (in nodes) an element counts as following it.
constexpr std::uint32_t kFollowsAnchorNodes = 200;
constexpr float kMinSiblingScore = 10.0F;
constexpr float kSiblingShare = 0.2F;
constexpr float kAnchoredShare = 0.5F;
constexpr std::uint32_t kMinStoryProse = 400;

float LinkDensity(const ElementText& text) {
    return text.Chars == 0 ? 0.0F
                           : static_cast<float>(text.LinkChars) / static_cast<float>(text.Chars);
}

float TagWeight(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_MAIN:
        return 5;
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_BLOCKQUOTE:
        return 3;
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_FORM:
        return -3;
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_TH:
        return -5;
    default:
        return 0;
    }
}

float ClassWeight(const TreeNode& node) {
    float weight = 0;
    if (node.ClassBalance > 0) {
        weight += 25;
    } else if (node.ClassBalance < 0) {
        weight -= 25;
    }
    if (node.Has(kArticleBody)) {
        weight += 40;
    }
    if (node.Has(kArticleMark)) {
        weight += 15;
    }
    return weight;
}

bool Contains(const PageTree& tree, std::uint32_t outer, std::uint32_t inner) {
    return inner >= outer && inner < tree.Nodes[outer].End;
}

bool IsParagraphElement(const TreeNode& node) {
    return node.Has(kParagraph) || node.Has(kHeading) || node.Has(kListItem) ||
           node.Has(kTableCell);
}

class Scorer {
public:
    Scorer(const PageTree& tree, const TextMeasure& measure)
        : Tree_(tree), Measure_(measure), Score_(tree.Nodes.size(), 0.0F),
          Scored_(tree.Nodes.size(), false) {}

    void ScoreBlocks() {
        for (const TextBlock& block : Measure_.Blocks) {
            // List items are too often links and names to speak for prose.
            if (block.Chars < kMinScoredChars || Tree_.Nodes[block.Owner].Has(kListItem)) {
                continue;
            }
            const float score = 1.0F + static_cast<float>(block.Commas) +
                                static_cast<float>(std::min<std::uint32_t>(block.Chars / 100, 3));
            // The block is the paragraph when its element holds nothing
            // else; otherwise its element is the first to be scored.
            const TreeNode& owner = Tree_.Nodes[block.Owner];
            const bool ownerIsParagraph =
                IsParagraphElement(owner) ||
                block.Chars * 10 >= Measure_.Elements[block.Owner].Chars * 9;
            std::uint32_t ancestor = ownerIsParagraph ? owner.Parent : block.Owner;
            for (int level = 0; level < kAncestorLevels && ancestor != kNoNode; ++level) {
                const TreeNode& node = Tree_.Nodes[ancestor];
                if (node.Tag == GUMBO_TAG_HTML || ancestor == 0) {
                    break;
                }
                Initialize(ancestor);
                const float share = level == 0 ? 1.0F : level == 1 ? 2.0F : level * 3.0F;
                Score_[ancestor] += score / share;
                ancestor = node.Parent;
            }
        }
    }

    void FavourAnchor(std::uint32_t anchorBlock) {
        if (anchorBlock == kNoNode) {
            return;
        }
        const TextBlock& anchor = Measure_.Blocks[anchorBlock];
        for (std::size_t index = 0; index < Score_.size(); ++index) {
            if (!Scored_[index]) {
                continue;
            }
            const auto node = static_cast<std::uint32_t>(index);
            if (Contains(Tree_, node, anchor.FirstText)) {
                Score_[index] *= kHoldsAnchorBonus;
            } else if (node > anchor.LastText && node - anchor.LastText < kFollowsAnchorNodes) {
                Score_[index] *= kFollowsAnchorBonus;
            }
        }
    }

    std::vector<std::uint32_t> Ranked() const {
        std::vector<std::uint32_t> ranked;
        for (std::size_t index = 0; index < Score_.size(); ++index) {
            if (Scored_[index]) {
                ranked.push_back(static_cast<std::uint32_t>(index));
            }
        }
        std::sort(ranked.begin(), ranked.end(), [&](std::uint32_t a, std::uint32_t b) {
            return Final(a) > Final(b) || (Final(a) == Final(b) && a < b);
        });
        return ranked;
    }

    float Final(std::uint32_t node) const {
        return Score_[node] * (1.0F - LinkDensity(Measure_.Elements[node]));
    }

    bool IsScored(std::uint32_t node) const { return Scored_[node]; }

private:
    void Initialize(std::uint32_t node) {
        if (Scored_[node]) {
            return;
        }
        Scored_[node] = true;
        Score_[node] = TagWeight(Tree_.Nodes[node].Tag) + ClassWeight(Tree_.Nodes[node]);
    }

    const PageTree& Tree_;
    const TextMeasure& Measure_;
    std::vector<float> Score_;
    std::vector<bool> Scored_;
};

bool IsTop(const PageTree& tree, std::uint32_t node) {
    const GumboTag tag = tree.Nodes[node].Tag;
    return node == 0 || tag == GUMBO_TAG_BODY || tag == GUMBO_TAG_HTML;
}

// The summary decides between strong candidates: the best one that holds
// the summary's block goes first, or else the best one that follows it.
void PutAnchoredFirst(const PageTree& tree, const TextMeasure& measure, const Scorer& scorer,
                      std::uint32_t anchorBlock, std::vector<std::uint32_t>& ranked) {
    if (anchorBlock == kNoNode) {
        return;
    }
    const TextBlock& anchor = measure.Blocks[anchorBlock];
    const float least = kAnchoredShare * scorer.Final(ranked.front());
    const auto strong = std::find_if(ranked.begin(), ranked.end(), [&](std::uint32_t candidate) {
        return scorer.Final(candidate) < least;
    });
    auto anchored = std::find_if(ranked.begin(), strong, [&](std::uint32_t candidate) {
        return !IsTop(tree, candidate) && Contains(tree, candidate, anchor.FirstText);
    });
    if (anchored == strong) {
        anchored = std::find_if(ranked.begin(), strong, [&](std::uint32_t candidate) {
            return candidate > anchor.LastText && candidate - anchor.LastText < kFollowsAnchorNodes;
        });
    }
    if (anchored != strong) {
        std::rotate(ranked.begin(), anchored, anchored + 1);
    }
}

// Several strong candidates under one ancestor: the article is that
// ancestor, cut into parts.
std::uint32_t CommonAncestorOfAlternatives(const PageTree& tree, const Scorer& scorer,
                                           const std::vector<std::uint32_t>& ranked) {
    const std::uint32_t top = ranked.front();
    std::vector<std::uint32_t> alternatives;
    for (std::size_t rank = 1; rank < ranked.size() && rank <= kAlternatives; ++rank) {
        if (scorer.Final(ranked[rank]) >= 0.75F * scorer.Final(top)) {
            alternatives.push_back(ranked[rank]);
        }
    }
    if (alternatives.size() < 2) {
        return top;
    }
    for (std::uint32_t parent = tree.Nodes[top].Parent; parent != kNoNode && !IsTop(tree, parent);
         parent = tree.Nodes[parent].Parent) {
        std::size_t held = 0;
        for (const std::uint32_t alternative : alternatives) {
            held += Contains(tree, parent, alternative) ? 1 : 0;
        }
        if (held >= 2) {
            return parent;
        }
    }
    return top;
}

// Climbs while a parent scores more than the candidate itself.
std::uint32_t ClimbToBetterParent(const PageTree& tree, const Scorer& scorer, std::uint32_t top) {
    float lastScore = scorer.Final(top);
    const float threshold = lastScore / 3.0F;
    for (std::uint32_t parent = tree.Nodes[top].Parent; parent != kNoNode && !IsTop(tree, parent);
         parent = tree.Nodes[parent].Parent) {
        if (!scorer.IsScored(parent)) {
            continue;
        }
        const float parentScore = scorer.Final(parent);
        if (parentScore < threshold) {
            break;
        }
        if (parentScore > lastScore) {
            return parent;
        }
        lastScore = parentScore;
    }
    return top;
}

bool EndsSentence(const PageTree& tree, const TextMeasure& measure, std::uint32_t element) {
    for (std::uint32_t index = tree.Nodes[element].End; index-- > element;) {
        const TreeNode& node = tree.Nodes[index];
        if (!node.Has(kText) || measure.Excluded[index]) {
            continue;
        }
        const std::string_view text = tree.TextOf(node);
        const std::size_t last = text.find_last_not_of(' ');
        if (last == std::string_view::npos) {
            continue;
        }
        return text[last] == '.' || text[last] == '!' || text[last] == '?';
    }
    return false;
}

// A sibling with a headline of its own, or an <article> of its own, and
// prose under it, is the next story of the page (as endless pages append
// it), not a part of this one.
bool IsAnotherStory(const PageTree& tree, const TextMeasure& measure, std::uint32_t element) {
    if (measure.Elements[element].ProseChars < kMinStoryProse) {
        return false;
    }
    if (tree.Nodes[element].Tag == GUMBO_TAG_ARTICLE) {
        return true;
    }
    for (std::uint32_t index = element; index < tree.Nodes[element].End; ++index) {
        if (tree.Nodes[index].Has(kTitleHeading)) {
            return true;
        }
    }
    return false;
}

// Climbs while the candidate holds too little of its parent's prose: the
// article goes on beside it.
std::uint32_t ClimbToProse(const PageTree& tree, const TextMeasure& measure, std::uint32_t top) {
    std::uint32_t best = top;
    int level = 0;
    for (std::uint32_t parent = tree.Nodes[top].Parent;
         parent != kNoNode && !IsTop(tree, parent) && level < kProseLevels;
         parent = tree.Nodes[parent].Parent, ++level) {
        const std::uint32_t held = measure.Elements[best].ProseChars;
        const std::uint32_t around = measure.Elements[parent].ProseChars;
        if (static_cast<float>(held) < kHeldProseShare * static_cast<float>(around)) {
            best = parent;
        }
    }
    return best;
}

// The siblings that continue the article beside the candidate.
std::vector<std::uint32_t> WithSiblings(const PageTree& tree, const TextMeasure& measure,
                                        const Scorer& scorer, std::uint32_t top) {
    const std::uint32_t parent = tree.Nodes[top].Parent;
    if (parent == kNoNode) {
        return {top};
    }
    const float threshold = std::max(kMinSiblingScore, scorer.Final(top) * kSiblingShare);
    std::vector<std::uint32_t> roots;
    for (std::uint32_t child = parent + 1; child < tree.Nodes[parent].End;
         child = tree.Nodes[child].End) {
        if (child == top) {
            roots.push_back(child);
            continue;
        }
        const TreeNode& node = tree.Nodes[child];
        if (measure.Excluded[child] || node.Has(kText) || IsAnotherStory(tree, measure, child)) {
            continue;
        }
        const ElementText& text = measure.Elements[child];
        bool append = scorer.IsScored(child) && scorer.Final(child) >= threshold;
        if (!append && !node.Has(kParagraph) && text.Paragraphs > 0) {
            // A section of prose beside the candidate, cut off from it by
            // a figure, an aside or an ad.
            append = text.Chars >= kMinSectionChars && LinkDensity(text) < kMaxSectionLinkDensity;
        }
        if (!append && node.Has(kParagraph)) {
            const float density = LinkDensity(text);
            append = (text.Chars > 80 && density < 0.25F) ||
                     (text.Chars > 0 && text.Chars <= 80 && density == 0.0F &&
                      EndsSentence(tree, measure, child));
        }
        if (append) {
            roots.push_back(child);
        }
    }
    return roots;
}

} // namespace

ArticleChoice ChooseArticle(const PageTree& tree, const TextMeasure& measure,
                            std::uint32_t anchorBlock) {
    Scorer scorer(tree, measure);
    scorer.ScoreBlocks();
    scorer.FavourAnchor(anchorBlock);
    std::vector<std::uint32_t> ranked = scorer.Ranked();
    if (ranked.empty()) {
        return {};
    }
    PutAnchoredFirst(tree, measure, scorer, anchorBlock, ranked);
    std::uint32_t top = CommonAncestorOfAlternatives(tree, scorer, ranked);
    top = ClimbToBetterParent(tree, scorer, top);
    top = ClimbToProse(tree, measure, top);
    ArticleChoice choice{WithSiblings(tree, measure, scorer, top)};
    if (anchorBlock != kNoNode && measure.Blocks[anchorBlock].FirstText < choice.Roots.front()) {
        choice.LeadBlock = anchorBlock;
    }
    return choice;
}

} // namespace lumbrant
