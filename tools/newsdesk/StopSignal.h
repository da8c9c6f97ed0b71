#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace newsdesk {

// A one-way signal that wakes every waiting handler at once, so that a slow
// or stalled answer never keeps the server from stopping.
class StopSignal {
public:
    void Raise();

    // Waits until the signal is raised or the time is up; true when raised.
    bool WaitFor(std::chrono::milliseconds duration);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool raised_ = false;
};

} // namespace newsdesk
