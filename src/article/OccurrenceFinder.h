#pragma once

// Finds the next occurrence of a fixed pattern at or after a position. The
// text is scanned once, lazily and left to right, and every occurrence seen
// is remembered, so queries may come in any order and the whole text is read
// at most once however many queries there are.

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumbrant {

class OccurrenceFinder {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    // Queries must not ask for positions before origin.
    OccurrenceFinder(std::string_view text, std::string_view pattern, std::size_t origin = 0);

    // 0-based start of the first occurrence at or after from, or npos.
    std::size_t Next(std::size_t from);

private:
    std::size_t ScanFrom(std::size_t at) const;

    std::string_view text_;
    std::string_view pattern_;
    std::vector<std::size_t> found_;
    std::size_t scanned_;
    std::size_t hint_ = 0;
};

} // namespace lumbrant
