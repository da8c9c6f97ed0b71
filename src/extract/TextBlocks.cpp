#include "extract/TextBlocks.h"

namespace lumbrant {

namespace {

// A form holds an article only when it wraps the whole page (as some site
// builders do); then it holds far more text than its controls' labels.
constexpr std::uint32_t kMinFormChars = 1000;
constexpr std::uint32_t kMinProseChars = 60;

std::uint32_t CommaCount(std::string_view text) {
    std::uint32_t commas = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == ',') {
            ++commas;
        } else if (text.compare(at, 3, "\xEF\xBC\x8C") == 0 ||
                   text.compare(at, 3, "\xE3\x80\x81") == 0) {
            ++commas; // the full-width comma and the ideographic comma
        }
    }
    return commas;
}

// True for the nodes of a subtree that holds an article marker.
std::vector<bool> MarkedSubtrees(const PageTree& tree) {
    std::vector<bool> marked(tree.Nodes.size(), false);
    for (std::size_t index = tree.Nodes.size(); index-- > 0;) {
        const TreeNode& node = tree.Nodes[index];
        if (node.Has(kArticleMark) || node.Has(kArticleBody)) {
            marked[index] = true;
        }
        if (marked[index] && node.Parent != kNoNode) {
            marked[node.Parent] = true;
        }
    }
    return marked;
}

} // namespace

bool IsProse(const TextBlock& block) {
    return block.Chars >= kMinProseChars && block.LinkChars * 4 < block.Chars;
}

std::uint32_t CharacterCount(std::string_view text) {
    std::uint32_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

TextMeasure MeasureText(const PageTree& tree, const Exclusions& exclusions) {
    const std::size_t size = tree.Nodes.size();
    TextMeasure measure;
    measure.Excluded.assign(size, false);
    measure.Elements.assign(size, {});
    measure.BlockOf.assign(size, kNoNode);
    const std::vector<bool> marked = MarkedSubtrees(tree);

    // Text of every subtree, counting only what a reader sees at all.
    std::vector<bool> invisible(size, false);
    for (std::size_t index = 0; index < size; ++index) {
        const TreeNode& node = tree.Nodes[index];
        invisible[index] = node.Has(kRemoved) || (node.Parent != kNoNode && invisible[node.Parent]);
    }
    for (std::size_t index = size; index-- > 0;) {
        const TreeNode& node = tree.Nodes[index];
        if (invisible[index]) {
            continue;
        }
        ElementText& own = measure.Elements[index];
        if (node.Has(kText)) {
            own.Chars = CharacterCount(tree.TextOf(node));
        }
        if (node.Parent != kNoNode) {
            measure.Elements[node.Parent].Chars += own.Chars;
        }
    }

    // What is left out: the invisible, forms of little text, headers outside
    // the article, and elements whose class words mark boilerplate (unless
    // they hold an article marker).
    std::vector<bool> insideMark(size, false);
    for (std::size_t index = 0; index < size; ++index) {
        const TreeNode& node = tree.Nodes[index];
        bool excluded =
            invisible[index] || (node.Parent != kNoNode && measure.Excluded[node.Parent]);
        if (!excluded && node.Has(kForm)) {
            excluded = measure.Elements[index].Chars < kMinFormChars;
        }
        insideMark[index] = node.Has(kArticleMark) || node.Has(kArticleBody) ||
                            (node.Parent != kNoNode && insideMark[node.Parent]);
        if (!excluded && node.Has(kHeader)) {
            excluded = !marked[index] && !insideMark[index];
        }
        if (!excluded && exclusions.BoilerplateClasses && node.ClassBalance < 0 && !marked[index] &&
            node.Tag != GUMBO_TAG_BODY && node.Tag != GUMBO_TAG_HTML) {
            excluded = true;
        }
        measure.Excluded[index] = excluded;
    }

    // The blocks, in document order.
    std::vector<std::uint32_t> owner(size, 0);
    std::vector<bool> inLink(size, false);
    bool breakPending = true;
    for (std::size_t index = 0; index < size; ++index) {
        const TreeNode& node = tree.Nodes[index];
        const std::uint32_t parent = node.Parent == kNoNode ? 0 : node.Parent;
        owner[index] = node.Has(kBlock) ? static_cast<std::uint32_t>(index) : owner[parent];
        inLink[index] = node.Has(kLink) || (node.Parent != kNoNode && inLink[parent]);
        if (node.Has(kBlock) || node.Has(kLineBreak)) {
            breakPending = true;
            continue;
        }
        if (measure.Excluded[index] || !node.Has(kText) || node.TextSize == 0) {
            continue;
        }
        const std::string_view text = tree.TextOf(node);
        const bool blankOnly = text == " ";
        if (breakPending || measure.Blocks.empty() || measure.Blocks.back().Owner != owner[index]) {
            if (blankOnly) {
                continue;
            }
            TextBlock block;
            block.Owner = owner[index];
            block.FirstText = static_cast<std::uint32_t>(index);
            measure.Blocks.push_back(block);
            breakPending = false;
        }
        TextBlock& block = measure.Blocks.back();
        block.LastText = static_cast<std::uint32_t>(index);
        const std::uint32_t chars = CharacterCount(text);
        block.Chars += chars;
        block.Commas += CommaCount(text);
        if (inLink[index]) {
            block.LinkChars += chars;
        }
        measure.BlockOf[index] = static_cast<std::uint32_t>(measure.Blocks.size() - 1);
    }

    // Text, links and paragraphs of every subtree, counting what is kept.
    for (ElementText& element : measure.Elements) {
        element = {};
    }
    for (std::size_t index = size; index-- > 0;) {
        const TreeNode& node = tree.Nodes[index];
        if (measure.Excluded[index]) {
            continue;
        }
        ElementText& own = measure.Elements[index];
        if (node.Has(kText)) {
            const std::string_view text = tree.TextOf(node);
            own.Chars = CharacterCount(text);
            own.Commas = CommaCount(text);
            own.LinkChars = inLink[index] ? own.Chars : 0;
        }
        if (node.Has(kParagraph) && own.Chars > 0) {
            ++own.Paragraphs;
        }
        const std::uint32_t block = measure.BlockOf[index];
        if (block != kNoNode && measure.Blocks[block].FirstText == index &&
            IsProse(measure.Blocks[block])) {
            own.ProseChars += measure.Blocks[block].Chars;
        }
        if (node.Parent != kNoNode) {
            ElementText& parent = measure.Elements[node.Parent];
            parent.Chars += own.Chars;
            parent.LinkChars += own.LinkChars;
            parent.Commas += own.Commas;
            parent.Paragraphs += own.Paragraphs;
            parent.ProseChars += own.ProseChars;
        }
    }
    return measure;
}

} // namespace lumbrant
