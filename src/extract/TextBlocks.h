#pragma once

// The visible text of a page tree measured: which nodes a reader sees, how
// much text (and text of links) each element holds, and the page cut into
// blocks, the runs of text between two line-starting elements, which are
// the paragraphs of the output.

#include "extract/PageTree.h"

#include <cstdint>
#include <vector>

namespace lumbrant {

struct TextBlock {
    std::uint32_t Owner = 0;     // the nearest line-starting element around it
    std::uint32_t FirstText = 0; // its first text node
    std::uint32_t LastText = 0;  // its last text node
    std::uint32_t Chars = 0;     // characters, blanks folded
    std::uint32_t LinkChars = 0; // of them, inside links
    std::uint32_t Commas = 0;
};

struct ElementText {
    std::uint32_t Chars = 0;
    std::uint32_t LinkChars = 0;
    std::uint32_t Commas = 0;
    std::uint32_t Paragraphs = 0; // p, pre and blockquote elements with text
    std::uint32_t ProseChars = 0; // characters of its blocks of prose (IsProse)
};

struct TextMeasure {
    std::vector<bool> Excluded;         // by node: not seen, or left out
    std::vector<ElementText> Elements;  // by node
    std::vector<std::uint32_t> BlockOf; // by node: a text node's block, or kNoNode
    std::vector<TextBlock> Blocks;      // in document order
};

// What the measure leaves out beside what no reader sees.
struct Exclusions {
    bool BoilerplateClasses = true; // elements whose class words mark boilerplate
};

// A block that reads as prose: long enough, and not mostly links.
bool IsProse(const TextBlock& block);

// Characters of UTF-8 text (its bytes that start a character).
std::uint32_t CharacterCount(std::string_view text);

TextMeasure MeasureText(const PageTree& tree, const Exclusions& exclusions);

} // namespace lumbrant
