#include "newsdesk/RequestStats.h"

#include <algorithm>

namespace newsdesk {

void RequestStats::Begin(const std::string& target) {
    const std::lock_guard lock(mutex_);
    ++inFlight_;
    maxInFlight_ = std::max(maxInFlight_, inFlight_);
    ++total_;
    ++perTarget_[target];
}

void RequestStats::End() {
    const std::lock_guard lock(mutex_);
    --inFlight_;
}

int RequestStats::InFlight() const {
    const std::lock_guard lock(mutex_);
    return inFlight_;
}

int RequestStats::MaxInFlight() const {
    const std::lock_guard lock(mutex_);
    return maxInFlight_;
}

int RequestStats::Total() const {
    const std::lock_guard lock(mutex_);
    return total_;
}

int RequestStats::Count(const std::string& target) const {
    const std::lock_guard lock(mutex_);
    const auto found = perTarget_.find(target);
    return found == perTarget_.end() ? 0 : found->second;
}

void RequestStats::Reset() {
    const std::lock_guard lock(mutex_);
    maxInFlight_ = inFlight_;
    total_ = 0;
    perTarget_.clear();
}

} // namespace newsdesk
