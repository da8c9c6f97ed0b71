#include "newsdesk/StopSignal.h"

namespace newsdesk {

void StopSignal::Raise() {
    {
        const std::lock_guard lock(mutex_);
        raised_ = true;
    }
    changed_.notify_all();
}

bool StopSignal::WaitFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, duration, [this] { return raised_; });
}

} // namespace newsdesk
