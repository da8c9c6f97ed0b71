#pragma once

// Waiting in a window test on Windows: the thread's messages are handled
// while the test waits, as the program's own loop would handle them.

#include <chrono>
#include <functional>
#include <thread>
#include <windows.h>

namespace lumbrant::testing {

// Handles the thread's messages until the condition holds or the limit
// passes; answers whether it held.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(120)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace lumbrant::testing
