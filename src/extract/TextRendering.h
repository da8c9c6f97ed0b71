#pragma once

// The chosen subtrees of a page as the text of a note: each paragraph,
// heading and list item one line, a blank line between paragraphs, lines
// ended by CR LF. Inside the article, what a reader would skip is left out
// too: blocks made of links, sections whose links outweigh their text, and
// the headline (the feed's title, the page's h1).

#include "extract/PageTree.h"
#include "extract/TextBlocks.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

inline constexpr std::string_view kLineEnd = "\r\n";

// leadBlock: a block rendered before the roots, or kNoNode.
std::string RenderArticle(const PageTree& tree, const TextMeasure& measure,
                          const std::vector<std::uint32_t>& roots, std::uint32_t leadBlock,
                          std::string_view title);

// Joins lines of text: every blank-folded line ends with CR LF, and an
// empty line stands between paragraphs. Headings that end the text are
// left out (what they headed was not part of the article), and so are
// paragraphs that only talk about the page (BoilerplatePhrases.h).
class NoteText {
public:
    void Append(std::string_view folded, bool heading);
    void EndLine();
    void EndParagraph();
    std::string Take();

private:
    struct Paragraph {
        std::string Lines; // each line ended by CR LF
        bool Heading = false;
    };

    std::vector<Paragraph> Paragraphs_;
    std::string Line_;
    bool LineIsHeading_ = false;
    bool ParagraphOpen_ = false;
};

} // namespace lumbrant
