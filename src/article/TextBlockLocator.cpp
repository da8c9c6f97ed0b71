#include "article/TextBlockLocator.h"

#include "article/BlockWalker.h"
#include "article/CandidateSweep.h"
#include "article/KeyMatcher.h"
#include "article/OccurrenceFinder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

namespace lumbrant {

namespace {

// Converts from every listed position and keeps the longest result. All
// positions of one page are measured together in one pass (see
// CandidateSweep), and only the winner is converted in full.
std::string LongestCandidate(const std::vector<text::Index>& occurrences, std::string_view bodyText,
                             std::string_view key, std::string_view replacement, bool replace) {
    if (occurrences.empty()) {
        return {};
    }
    const auto size = static_cast<text::Index>(bodyText.size());
    auto startOf = [&](std::size_t i) {
        return static_cast<std::size_t>(std::clamp<text::Index>(occurrences[i] - 1, 0, size));
    };
    auto finish = [&](std::size_t i) {
        std::string block = BlockWalker(bodyText).Convert(startOf(i));
        return replace ? text::ReplaceAll(block, key, replacement) : block;
    };
    if (occurrences.size() == 1) {
        return finish(0);
    }
    std::optional<KeyMatcher> matcher;
    if (replace && !key.empty()) {
        matcher.emplace(key);
    }
    const auto growth =
        static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(key.size());
    // A block that is a proper end part of another is shorter and holds no
    // more keys, so it cannot win unless replacing shrinks the text.
    const bool skipEndParts = !matcher || growth >= 0;
    CandidateSweep sweep(bodyText, matcher ? &*matcher : nullptr, growth, skipEndParts);
    if (std::is_sorted(occurrences.begin(), occurrences.end())) {
        for (std::size_t i = 0; i < occurrences.size(); ++i) {
            sweep.Add(startOf(i), i);
        }
    } else {
        std::vector<std::size_t> order(occurrences.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return startOf(a) < startOf(b); });
        for (const std::size_t i : order) {
            sweep.Add(startOf(i), i);
        }
    }
    return finish(sweep.Winner());
}

struct Strategy {
    const char* Name;
    bool Tried;
    std::string Key;
    bool Replace;
    std::string Replacement;
};

std::vector<Strategy> Strategies(const std::string& snippet) {
    const auto n = static_cast<text::Index>(snippet.size());
    auto last = [&](text::Index count) { return text::Copy(snippet, n - count + 1, count); };
    auto first = [&](text::Index count) { return text::Copy(snippet, 1, count); };
    // The middle pieces put back the snippet's head up to 32 characters from
    // its end, one character beyond the end of the piece they replace.
    const std::string head = first(n - 32);
    return {
        {"All", true, snippet, false, {}},
        {"Right 1/2", true, last(n / 2), true, snippet},
        {"Right 1/4", true, last(n / 4), true, snippet},
        {"Right 1/8", true, last(n / 8), true, snippet},
        {"Right 1/16", n / 16 > 32, last(n / 16), true, snippet},
        {"Right 1/32", n / 32 > 32, last(n / 32), true, snippet},
        {"Left 1/2", true, first(n / 2), false, {}},
        {"Left 1/4", true, first(n / 4), false, {}},
        {"Left 1/8", true, first(n / 8), false, {}},
        {"Left 1/16", n / 16 > 32, first(n / 16), false, {}},
        {"Left 1/32", n / 32 > 32, first(n / 32), false, {}},
        {"mid 1", n - 64 > 32, text::Copy(snippet, 32, n - 64), true, head},
        {"mid 2", n - 96 > 32, text::Copy(snippet, 64, n - 96), true, head},
    };
}

} // namespace

LocateResult LocateTextBlock(const std::string& snippet, const std::string& bodyText,
                             std::vector<text::Index>& occurrences) {
    for (const Strategy& strategy : Strategies(snippet)) {
        if (!strategy.Tried) {
            continue;
        }
        FindOccurrences(strategy.Key, bodyText, occurrences);
        if (occurrences.empty()) {
            continue;
        }
        return {true, strategy.Name,
                LongestCandidate(occurrences, bodyText, strategy.Key, strategy.Replacement,
                                 strategy.Replace)};
    }
    return {};
}

void FindOccurrences(std::string_view key, std::string_view bodyText,
                     std::vector<text::Index>& occurrences) {
    occurrences.clear();
    if (key.empty()) {
        return;
    }
    KeyMatcher(key).FindAll(bodyText, [&](std::size_t start) {
        occurrences.push_back(static_cast<text::Index>(start) + 1);
    });
    if (occurrences.size() < 2) {
        return;
    }
    OccurrenceFinder opens(bodyText, "<");
    OccurrenceFinder closes(bodyText, ">");
    // 1-based, 0 for none, as the comparison "the next < lies after the next >" needs.
    auto oneBased = [](std::size_t at) {
        return at == OccurrenceFinder::npos ? text::Index{0} : static_cast<text::Index>(at) + 1;
    };
    std::size_t kept = 0;
    for (text::Index position : occurrences) {
        const auto start = static_cast<std::size_t>(position - 1);
        if (oneBased(opens.Next(start)) <= oneBased(closes.Next(start))) {
            occurrences[kept++] = position;
        }
    }
    occurrences.resize(kept);
}

std::string ExtractBlock(const std::vector<text::Index>& occurrences, std::string_view bodyText) {
    return LongestCandidate(occurrences, bodyText, {}, {}, false);
}

std::string ExtractBlockWithSnippet(const std::vector<text::Index>& occurrences,
                                    std::string_view bodyText, std::string_view key,
                                    std::string_view replacement) {
    return LongestCandidate(occurrences, bodyText, key, replacement, true);
}

} // namespace lumbrant
