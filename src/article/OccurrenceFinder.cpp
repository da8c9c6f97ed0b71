#include "article/OccurrenceFinder.h"

#include <algorithm>
#include <cstring>

namespace lumbrant {

OccurrenceFinder::OccurrenceFinder(std::string_view text, std::string_view pattern)
    : text_(text), pattern_(pattern) {}

std::size_t OccurrenceFinder::ScanFrom(std::size_t at) const {
    if (at >= text_.size()) {
        return npos;
    }
    if (pattern_.size() == 1) {
        const void* hit = std::memchr(text_.data() + at, pattern_[0], text_.size() - at);
        return hit == nullptr
                   ? npos
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }
    if (!searcher_) {
        searcher_.emplace(pattern_.begin(), pattern_.end());
    }
    const auto hit =
        std::search(text_.begin() + static_cast<std::ptrdiff_t>(at), text_.end(), *searcher_);
    return hit == text_.end() ? npos : static_cast<std::size_t>(hit - text_.begin());
}

std::size_t OccurrenceFinder::Next(std::size_t from) {
    if (!answered_ || !(lastAnswer_ == npos || lastAnswer_ >= from)) {
        lastAnswer_ = ScanFrom(from);
        answered_ = true;
    }
    return lastAnswer_;
}

} // namespace lumbrant
