#include "article/OccurrenceFinder.h"

#include <algorithm>
#include <cstring>

namespace lumbrant {

OccurrenceFinder::OccurrenceFinder(std::string_view text, std::string_view pattern,
                                   QueryOrder order, std::size_t origin)
    : text_(text), pattern_(pattern), order_(order), scanned_(std::min(origin, text.size())) {}

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
    return order_ == QueryOrder::Forward ? NextForward(from) : NextAnyOrder(from);
}

void OccurrenceFinder::SkipTo(std::size_t from) {
    if (order_ == QueryOrder::AnyOrder && from > scanned_) {
        found_.clear();
        hint_ = 0;
        scanned_ = std::min(from, text_.size());
    }
}

std::size_t OccurrenceFinder::NextForward(std::size_t from) {
    if (!answered_ || !(lastAnswer_ == npos || lastAnswer_ >= from)) {
        lastAnswer_ = ScanFrom(from);
        answered_ = true;
    }
    return lastAnswer_;
}

std::size_t OccurrenceFinder::NextAnyOrder(std::size_t from) {
    if (hint_ < found_.size() && found_[hint_] < from) {
        const auto it = std::lower_bound(found_.begin() + static_cast<std::ptrdiff_t>(hint_) + 1,
                                         found_.end(), from);
        hint_ = static_cast<std::size_t>(it - found_.begin());
    } else if (hint_ > 0 && found_[hint_ - 1] >= from) {
        const auto it = std::lower_bound(found_.begin(),
                                         found_.begin() + static_cast<std::ptrdiff_t>(hint_), from);
        hint_ = static_cast<std::size_t>(it - found_.begin());
    }
    if (hint_ < found_.size()) {
        return found_[hint_];
    }
    while (scanned_ < text_.size()) {
        const std::size_t hit = ScanFrom(scanned_);
        if (hit == npos) {
            scanned_ = text_.size();
            break;
        }
        found_.push_back(hit);
        scanned_ = hit + 1;
        if (hit >= from) {
            hint_ = found_.size() - 1;
            return hit;
        }
    }
    hint_ = found_.size();
    return npos;
}

} // namespace lumbrant
