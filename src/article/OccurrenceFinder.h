#pragma once

// Finds the next occurrence of a fixed pattern at or after a position,
// reading the text at most once in all, left to right and lazily.
//
// In AnyOrder mode every occurrence seen is remembered, so queries may come
// in any order (not before origin, nor before the latest SkipTo). In Forward
// mode queries must not go back; only the latest answer is kept.

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace lumbrant {

enum class QueryOrder { Forward, AnyOrder };

class OccurrenceFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    OccurrenceFinder(std::string_view text, std::string_view pattern, QueryOrder order,
                     std::size_t origin = 0);

    // 0-based start of the first occurrence at or after from, or npos.
    std::size_t Next(std::size_t from);

    // Promises that no query will ask for a position before `from` any more,
    // so that what lies between the text read so far and `from` need not be
    // read at all.
    void SkipTo(std::size_t from);

private:
    std::size_t ScanFrom(std::size_t at) const;
    std::size_t NextForward(std::size_t from);
    std::size_t NextAnyOrder(std::size_t from);

    std::string_view text_;
    std::string_view pattern_;
    // Multi-character patterns skip ahead by their last character; the
    // table for that is made at the first search.
    using Searcher = std::boyer_moore_horspool_searcher<std::string_view::const_iterator>;
    mutable std::optional<Searcher> searcher_;
    QueryOrder order_;
    // AnyOrder: every occurrence that starts before scanned_, in order.
    std::vector<std::size_t> found_;
    std::size_t scanned_;
    std::size_t hint_ = 0;
    // Forward: the answer to the latest query.
    std::size_t lastAnswer_ = npos;
    bool answered_ = false;
};

} // namespace lumbrant
