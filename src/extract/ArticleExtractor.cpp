#include "extract/ArticleExtractor.h"

#include "extract/ContentScoring.h"
#include "extract/PageDecoding.h"
#include "extract/PageTree.h"
#include "extract/StructuredData.h"
#include "extract/SummaryAnchor.h"
#include "extract/TextBlocks.h"
#include "extract/TextRendering.h"
#include "text/ByteText.h"
#include "text/Encoding.h"

#include <vector>

namespace lumbrant {

namespace {

// An attempt that finds this much text is taken; a shorter one makes the
// next attempt leave out less.
constexpr std::uint32_t kEnoughChars = 500;
// Structured data is taken instead of the page's text when it holds this
// much more (the page shows a part, or builds the article by script).
constexpr std::uint32_t kStructuredShare = 2;

ExtractedArticle NotFound(std::string encoding, std::string reason) {
    ExtractedArticle result;
    result.Found = ExtractedArticle::Kind::NotFound;
    result.Encoding = std::move(encoding);
    result.Reason = std::move(reason);
    return result;
}

// Bytes that no HTML page starts with: binary data, a PDF, JSON.
bool IsNotHtml(std::string_view bytes, std::string_view encoding) {
    const std::string_view head = bytes.substr(0, 1024);
    if (encoding != "UTF-16LE" && encoding != "UTF-16BE" &&
        head.find('\0') != std::string_view::npos) {
        return true;
    }
    const std::size_t first = head.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos) {
        return false;
    }
    return head.substr(first, 5) == "%PDF-" ||
           ((head[first] == '{' || head[first] == '[') && head.find('<') == std::string_view::npos);
}

// The text of a whole small document (a summary, a structured body) on one line.
std::string OneLine(const PageTree& tree) {
    std::string line;
    std::vector<bool> removed(tree.Nodes.size(), false);
    for (std::size_t index = 0; index < tree.Nodes.size(); ++index) {
        const TreeNode& node = tree.Nodes[index];
        removed[index] = (node.Has(kRemoved) && node.Tag != GUMBO_TAG_HEAD) ||
                         (node.Parent != kNoNode && removed[node.Parent]);
        if (removed[index]) {
            continue;
        }
        if (node.Has(kText)) {
            AppendFolded(line, tree.TextOf(node));
        } else if (node.Has(kBlock) || node.Has(kLineBreak)) {
            line += ' ';
        }
    }
    std::string folded;
    AppendFolded(folded, line);
    const std::size_t start = folded.find_first_not_of(' ');
    if (start == std::string::npos) {
        return {};
    }
    return folded.substr(start, folded.find_last_not_of(' ') - start + 1);
}

// A structured body as note text: HTML as it is, plain text a paragraph a line.
std::string StructuredBodyText(std::string_view body) {
    std::string html;
    if (body.find('<') != std::string_view::npos && body.find('>') != std::string_view::npos) {
        html = body;
    } else {
        html = "<p>";
        for (const char c : body) {
            if (c == '\n') {
                html += "</p><p>";
            } else {
                html += c;
            }
        }
        html += "</p>";
    }
    const PageTree tree = BuildPageTree(html);
    const TextMeasure measure = MeasureText(tree, {.BoilerplateClasses = false});
    return RenderArticle(tree, measure, {0}, kNoNode, {});
}

struct Attempt {
    std::string Text;
    std::uint32_t Chars = 0;
};

Attempt ExtractFromTree(const PageTree& tree, std::string_view summaryText,
                        std::string_view titleText, std::string_view structuredText) {
    Attempt best;
    for (const bool boilerplateClasses : {true, false}) {
        const TextMeasure measure = MeasureText(tree, {.BoilerplateClasses = boilerplateClasses});
        std::uint32_t anchor = FindAnchorBlock(tree, measure, summaryText);
        if (anchor == kNoNode) {
            anchor = FindAnchorBlock(tree, measure, structuredText.substr(0, 600));
        }
        const ArticleChoice choice = ChooseArticle(tree, measure, anchor);
        Attempt attempt;
        attempt.Text = RenderArticle(tree, measure, choice.Roots, choice.LeadBlock, titleText);
        attempt.Chars = CharacterCount(attempt.Text);
        if (attempt.Chars >= kEnoughChars) {
            return attempt;
        }
        if (attempt.Chars > best.Chars) {
            best = std::move(attempt);
        }
    }
    return best;
}

} // namespace

std::string SummaryText(std::string_view summaryHtml) {
    const std::string html = text::RepairUtf8(summaryHtml);
    return OneLine(BuildPageTree(html));
}

ExtractedArticle ExtractArticle(std::string_view pageBytes, std::string_view httpCharset,
                                std::string_view summary, std::string_view title) {
    DecodedPage page = DecodePage(pageBytes, httpCharset);
    if (IsNotHtml(pageBytes, page.Encoding)) {
        return NotFound(page.Encoding, "not HTML");
    }
    const PageTree tree = BuildPageTree(page.Text);
    page.Text = std::string();
    if (!tree.HasMarkup) {
        return NotFound(page.Encoding, "not HTML");
    }
    const std::string summaryText = SummaryText(summary);
    std::string titleText = SummaryText(title);
    if (titleText.empty()) {
        titleText = tree.OpenGraphTitle;
    }
    const std::string structuredBody = StructuredArticleBody(tree.JsonLd);
    const std::string structuredText =
        structuredBody.empty() ? std::string() : StructuredBodyText(structuredBody);
    const std::uint32_t structuredChars = CharacterCount(structuredText);

    Attempt attempt = ExtractFromTree(tree, summaryText, titleText, structuredText);
    ExtractedArticle result;
    result.Encoding = page.Encoding;
    const bool structuredIsMore =
        structuredChars > 0 &&
        (attempt.Chars == 0 ||
         (structuredChars > kEnoughChars && structuredChars > kStructuredShare * attempt.Chars));
    if (structuredIsMore) {
        result.Found = ExtractedArticle::Kind::Article;
        result.Text = structuredText;
        return result;
    }
    if (attempt.Chars == 0) {
        return NotFound(page.Encoding, "no text block");
    }
    result.Found = ExtractedArticle::Kind::Article;
    result.Text = std::move(attempt.Text);
    return result;
}

} // namespace lumbrant
