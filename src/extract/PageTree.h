#pragma once

// A parsed page as one flat list of its elements and texts in document
// order, with what the extractor needs of each: its tag, its place in the
// tree, what its attributes say (hidden, class words, article markers), its
// text with blanks folded. Every pass over it is a loop, never a recursion.

#include <cstdint>
#include <gumbo.h>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

enum NodeFlag : std::uint16_t {
    kText = 1 << 0,
    // Never part of an article: invisible (script, style, hidden by its
    // attributes) or made for something else (navigation, forms' controls,
    // figures and their captions, asides, footers, the head).
    kRemoved = 1 << 1,
    kBlock = 1 << 2,       // starts a line of its own
    kLineBreak = 1 << 3,   // <br>
    kLink = 1 << 4,        // <a>
    kHeading = 1 << 5,     // h1 to h6
    kListItem = 1 << 6,    // li, dt, dd
    kArticleMark = 1 << 7, // <article>, <main>, role "main" or "article"
    kArticleBody = 1 << 8, // itemprop "articleBody" or "text"
    kForm = 1 << 9,
    kHeader = 1 << 10,
    kParagraph = 1 << 11, // p, pre, blockquote
    kTableCell = 1 << 12,
    kTitleHeading = 1 << 13, // h1
};

inline constexpr std::uint32_t kNoNode = 0xFFFFFFFF;

struct TreeNode {
    std::uint32_t Parent = kNoNode;
    std::uint32_t End = 0;       // one past the last node of its subtree
    std::uint32_t TextBegin = 0; // a text's folded text in PageTree::Text
    std::uint32_t TextSize = 0;
    GumboTag Tag = GUMBO_TAG_UNKNOWN;
    std::uint16_t Flags = 0;
    std::int8_t ClassBalance = 0; // ClassWords.h: +content words, -boilerplate words

    bool Has(NodeFlag flag) const { return (Flags & flag) != 0; }
};

struct PageTree {
    std::vector<TreeNode> Nodes;     // Nodes[0] is the document
    std::string Text;                // the texts of all text nodes, blanks folded
    std::string Title;               // <title>, blanks folded
    std::string Description;         // <meta name="description"> or og:description
    std::string OpenGraphTitle;      // og:title
    std::vector<std::string> JsonLd; // the scripts of type application/ld+json
    bool HasMarkup = false;          // an element that the page itself wrote
    bool Truncated = false;          // the parse stopped at a limit

    std::string_view TextOf(const TreeNode& node) const {
        return std::string_view(Text).substr(node.TextBegin, node.TextSize);
    }
};

// The flat tree of a UTF-8 page.
PageTree BuildPageTree(std::string_view html);

// Appends text with every run of blanks (space, tab, line breaks, no-break
// space) made one space; a run at either end is kept as one space.
void AppendFolded(std::string& out, std::string_view text);

} // namespace lumbrant
