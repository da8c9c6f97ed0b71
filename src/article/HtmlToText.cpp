#include "article/HtmlToText.h"

#include "article/BlockWalker.h"
#include "article/TagScanner.h"
#include "article/WhitespaceTidy.h"

#include <algorithm>
#include <compare>
#include <cstdint>

namespace lumbrant {

namespace {

// A name of up to 16 characters as two numbers, so that the table is
// searched by comparing numbers rather than texts.
struct PackedName {
    std::uint64_t High = 0;
    std::uint64_t Low = 0;
    constexpr auto operator<=>(const PackedName&) const = default;
};

constexpr PackedName Pack(std::string_view name) {
    PackedName packed;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<std::uint64_t>(static_cast<unsigned char>(name[i]));
        if (i < 8) {
            packed.High |= byte << (56 - 8 * i);
        } else {
            packed.Low |= byte << (56 - 8 * (i - 8));
        }
    }
    return packed;
}

constexpr auto kPackedRemovableTags = [] {
    std::array<PackedName, RemovableTags.size()> packed{};
    for (std::size_t i = 0; i < RemovableTags.size(); ++i) {
        packed[i] = Pack(RemovableTags[i]);
    }
    std::sort(packed.begin(), packed.end());
    return packed;
}();

// The longest-block scan refuses a tag whose "<" or ">" lies further ahead.
constexpr std::size_t kTagReach = 50000;

} // namespace

bool IsRemovableTag(std::string_view name) {
    // No name holds a NUL, which packing could not tell from the padding.
    if (name.empty() || name.size() > 16 || name.find('\0') != std::string_view::npos) {
        return false;
    }
    return std::binary_search(kPackedRemovableTags.begin(), kPackedRemovableTags.end(), Pack(name));
}

std::string ConvertBlock(std::string_view html) {
    return BlockWalker(html).Convert(0);
}

std::string LongestBlock(std::string_view html) {
    const std::string text = TidyWhitespace(html);
    TagScanner tags(text);
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
