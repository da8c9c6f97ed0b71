#include "extract/TextRendering.h"

#include "text/ByteText.h"

namespace lumbrant {

namespace {

constexpr std::uint32_t kFewCommas = 10;
constexpr float kLinkBlockShare = 0.8F;
constexpr float kSectionLinkShare = 0.2F;
constexpr float kMarkedSectionLinkShare = 0.5F;

float LinkShare(std::uint32_t linkChars, std::uint32_t chars) {
    return chars == 0 ? 0.0F : static_cast<float>(linkChars) / static_cast<float>(chars);
}

bool IsSection(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_DETAILS:
    case GUMBO_TAG_HEADER:
        return true;
    default:
        return false;
    }
}

// A section inside the article that a reader skips: mostly links, unless
// it is long prose.
bool IsLinkSection(const TreeNode& node, const ElementText& text) {
    if (!IsSection(node.Tag) || text.Commas >= kFewCommas) {
        return false;
    }
    const float share = LinkShare(text.LinkChars, text.Chars);
    const bool marked = node.ClassBalance > 0 || node.Has(kArticleBody);
    return marked ? share > kMarkedSectionLinkShare : share > kSectionLinkShare;
}

std::string Comparable(std::string_view text) {
    std::string folded;
    AppendFolded(folded, text);
    const std::size_t start = folded.find_first_not_of(' ');
    if (start == std::string::npos) {
        return {};
    }
    return text::AsciiLower(folded.substr(start, folded.find_last_not_of(' ') - start + 1));
}

class Renderer {
public:
    Renderer(const PageTree& tree, const TextMeasure& measure, std::string_view title,
             bool skipLinkSections)
        : Tree_(tree), Measure_(measure), SkipBlock_(measure.Blocks.size(), false),
          SkipLinkSections_(skipLinkSections) {
        const std::string comparableTitle = Comparable(title);
        for (std::size_t index = 0; index < measure.Blocks.size(); ++index) {
            const TextBlock& block = measure.Blocks[index];
            SkipBlock_[index] = static_cast<float>(block.LinkChars) >=
                                    kLinkBlockShare * static_cast<float>(block.Chars) ||
                                (!comparableTitle.empty() && block.Chars < 400 &&
                                 Comparable(BlockText(block)) == comparableTitle);
        }
    }

    void Render(std::uint32_t root) {
        Text_.EndParagraph();
        const std::uint32_t end = Tree_.Nodes[root].End;
        std::uint32_t index = root;
        while (index < end) {
            const TreeNode& node = Tree_.Nodes[index];
            if (Measure_.Excluded[index] || node.Has(kTitleHeading) ||
                (index != root && SkipLinkSections_ &&
                 IsLinkSection(node, Measure_.Elements[index]))) {
                if (node.Has(kBlock)) {
                    Text_.EndParagraph();
                }
                index = node.End;
                continue;
            }
            if (node.Has(kText)) {
                AppendText(index);
            } else if (node.Has(kLineBreak)) {
                LineBroken_ = true;
            } else if (node.Has(kBlock)) {
                LineBroken_ = false;
                Text_.EndParagraph();
            }
            ++index;
        }
        Text_.EndParagraph();
    }

    void RenderBlock(std::uint32_t block) {
        const TextBlock& lead = Measure_.Blocks[block];
        for (std::uint32_t index = lead.FirstText; index <= lead.LastText; ++index) {
            if (Measure_.BlockOf[index] == block) {
                AppendText(index);
            }
        }
    }

    std::string Take() { return Text_.Take(); }

private:
    // A block of its own starts a paragraph, or a line after a <br>.
    void AppendText(std::uint32_t index) {
        const std::uint32_t block = Measure_.BlockOf[index];
        if (block == kNoNode || SkipBlock_[block]) {
            return;
        }
        if (block != LastBlock_) {
            if (LineBroken_) {
                Text_.EndLine();
            } else {
                Text_.EndParagraph();
            }
            LastBlock_ = block;
        }
        LineBroken_ = false;
        Text_.Append(Tree_.TextOf(Tree_.Nodes[index]),
                     Tree_.Nodes[Measure_.Blocks[block].Owner].Has(kHeading));
    }

    std::string BlockText(const TextBlock& block) const {
        std::string text;
        for (std::uint32_t index = block.FirstText; index <= block.LastText; ++index) {
            if (Measure_.BlockOf[index] == Measure_.BlockOf[block.FirstText]) {
                text += Tree_.TextOf(Tree_.Nodes[index]);
            }
        }
        return text;
    }

    const PageTree& Tree_;
    const TextMeasure& Measure_;
    std::vector<bool> SkipBlock_;
    NoteText Text_;
    std::uint32_t LastBlock_ = kNoNode;
    bool LineBroken_ = false;
    bool SkipLinkSections_;
};

} // namespace

std::string RenderArticle(const PageTree& tree, const TextMeasure& measure,
                          const std::vector<std::uint32_t>& roots, std::uint32_t leadBlock,
                          std::string_view title) {
    const auto render = [&](bool skipLinkSections) {
        Renderer renderer(tree, measure, title, skipLinkSections);
        if (leadBlock != kNoNode) {
            renderer.RenderBlock(leadBlock);
        }
        for (const std::uint32_t root : roots) {
            renderer.Render(root);
        }
        return renderer.Take();
    };
    // Links make up much of some articles' own body: when leaving out the
    // sections heavy with links leaves nothing, they stay.
    std::string text = render(true);
    return text.empty() ? render(false) : text;
}

} // namespace lumbrant
