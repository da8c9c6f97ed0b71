#pragma once

// Waiting in a window test: the window's event loop runs while the test waits.

#include <QApplication>
#include <chrono>
#include <functional>
#include <thread>

namespace lumbrant::testing {

// Runs the event loop until the condition holds or two minutes pass; answers
// whether it held.
inline bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace lumbrant::testing
