#pragma once

// Waiting on something outside the test: poll with a generous limit, never a
// fixed sleep taken for an answer.

#include <chrono>
#include <functional>
#include <thread>

namespace lumbrant::e2e {

inline bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
                      std::chrono::milliseconds interval = std::chrono::milliseconds(100)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(interval);
    }
    return true;
}

} // namespace lumbrant::e2e
