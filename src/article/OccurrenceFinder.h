#pragma once

// Finds the next occurrence of a fixed pattern at or after a position, for
// queries that never go back: the text is read at most once in all, left to
// right and lazily, and only the latest answer is kept.

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace lumbrant {

class OccurrenceFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    OccurrenceFinder(std::string_view text, std::string_view pattern);

    // 0-based start of the first occurrence at or after from, or npos. from
    // must not lie before the from of an earlier query.
    std::size_t Next(std::size_t from);

private:
    std::size_t ScanFrom(std::size_t at) const;

    std::string_view text_;
    std::string_view pattern_;
    // Multi-character patterns skip ahead by their last character; the
    // table for that is made at the first search.
    using Searcher = std::boyer_moore_horspool_searcher<std::string_view::const_iterator>;
    mutable std::optional<Searcher> searcher_;
    // The answer to the latest query.
    std::size_t lastAnswer_ = npos;
    bool answered_ = false;
};

} // namespace lumbrant
