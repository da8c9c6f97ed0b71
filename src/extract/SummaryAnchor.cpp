#include "extract/SummaryAnchor.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace lumbrant {

namespace {

constexpr std::size_t kMaxSummaryWords = 120;
constexpr std::size_t kMinSummaryWords = 4;
constexpr std::size_t kMinBlockWords = 8;
constexpr float kMinMatch = 0.5F;

bool IsWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9');
}

// Calls take(word) for each word of at least two bytes, lower-cased.
template <typename Take> void ForEachWord(std::string_view text, Take take) {
    std::string word;
    const auto flush = [&] {
        if (word.size() >= 2) {
            take(word);
        }
        word.clear();
    };
    for (const char c : text) {
        if (IsWordByte(c)) {
            word += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        } else {
            flush();
        }
    }
    flush();
}

} // namespace

std::uint32_t FindAnchorBlock(const PageTree& tree, const TextMeasure& measure,
                              std::string_view summaryText) {
    std::unordered_map<std::string, std::uint32_t> summaryWords;
    ForEachWord(summaryText, [&](const std::string& word) {
        if (summaryWords.size() < kMaxSummaryWords) {
            summaryWords.emplace(word, static_cast<std::uint32_t>(summaryWords.size()));
        }
    });
    if (summaryWords.size() < kMinSummaryWords) {
        return kNoNode;
    }
    std::vector<std::uint32_t> seenInBlock(summaryWords.size(), kNoNode);
    std::uint32_t best = kNoNode;
    float bestMatch = kMinMatch;
    for (std::uint32_t blockIndex = 0; blockIndex < measure.Blocks.size(); ++blockIndex) {
        const TextBlock& block = measure.Blocks[blockIndex];
        std::size_t found = 0;
        std::size_t words = 0;
        for (std::uint32_t index = block.FirstText; index <= block.LastText; ++index) {
            if (measure.BlockOf[index] != blockIndex) {
                continue;
            }
            ForEachWord(tree.TextOf(tree.Nodes[index]), [&](const std::string& word) {
                ++words;
                const auto known = summaryWords.find(word);
                if (known != summaryWords.end() && seenInBlock[known->second] != blockIndex) {
                    seenInBlock[known->second] = blockIndex;
                    ++found;
                }
            });
        }
        float match = static_cast<float>(found) / static_cast<float>(summaryWords.size());
        if (words >= kMinBlockWords) {
            match = std::max(match, 0.9F * static_cast<float>(found) / static_cast<float>(words));
        }
        if (found >= kMinSummaryWords && match > bestMatch) {
            bestMatch = match;
            best = blockIndex;
        }
    }
    return best;
}

} // namespace lumbrant
