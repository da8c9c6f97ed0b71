#include "article/HtmlToText.h"

#include "article/BlockWalker.h"
#include "article/TagScanner.h"
#include "article/WhitespaceTidy.h"

#include <algorithm>

namespace lumbrant {

namespace {

constexpr auto kSortedRemovableTags = [] {
    auto sorted = RemovableTags;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}();

// The longest-block scan refuses a tag whose "<" or ">" lies further ahead.
constexpr std::size_t kTagReach = 50000;

} // namespace

bool IsRemovableTag(std::string_view name) {
    return std::binary_search(kSortedRemovableTags.begin(), kSortedRemovableTags.end(), name);
}

std::string ConvertBlock(std::string_view html) {
    return BlockWalker(html, QueryOrder::Forward).Convert(0);
}

std::string LongestBlock(std::string_view html) {
    const std::string text = TidyWhitespace(html);
    TagScanner tags(text, QueryOrder::Forward);
    std::string best;
    // The scanned text is `piece` (what was kept since the last split, tags
    // turned into blanks) followed by `text` from `at` on.
    std::string piece;
    std::size_t at = 0;
    std::size_t restLength = 0;
    while (true) {
        const std::size_t open = tags.NextOpen(at);
        if (open == TagScanner::npos) {
            // With no "<" left no later piece can be kept.
            return best;
        }
        const std::size_t close = tags.NextClose(at);
        if (piece.size() + (open - at) + 1 > kTagReach ||
            (close != TagScanner::npos && piece.size() + (close - at) + 1 > kTagReach)) {
            return best;
        }
        if (close == TagScanner::npos || close < open + 2) {
            return best;
        }
        const TagReading tag = tags.Read(open, close);
        if (tag.NameEmpty) {
            return best;
        }
        const std::size_t held = best.size();
        piece.append(text, at, open - at);
        at = tag.End + 1;
        if (tag.Removable) {
            piece.push_back(' ');
        } else {
            if (held < piece.size()) {
                best.swap(piece);
            }
            piece.clear();
            restLength = text.size() - at;
        }
        if (held > restLength) {
            return best;
        }
    }
}

} // namespace lumbrant
