#pragma once

// Asking a drive something without freezing the window: a drive that does
// not answer (a stalled network share, a disk that spins up, a player that
// hangs) is given up after a short time. The question runs on a thread of
// its own that is left behind when the time is up; it owns everything it
// touches, so that it ends harmlessly whenever the drive answers at last.

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace lumbrant {

// How long the drives are given for each question.
inline constexpr std::chrono::milliseconds kDriveAnswerTime{2000};

// ask's answer, or nothing when it takes longer than limit or throws. ask
// must own what it uses (capture by value): it may run on after the return.
template <typename Answer>
std::optional<Answer> AnswerWithin(std::chrono::milliseconds limit, std::function<Answer()> ask) {
    struct Shared {
        std::mutex Mutex;
        std::condition_variable Done;
        bool Ended = false;
        std::optional<Answer> Value;
    };
    const auto shared = std::make_shared<Shared>();
    std::thread([shared, ask = std::move(ask)] {
        std::optional<Answer> value;
        try {
            value = ask();
        } catch (const std::exception&) {
        }
        const std::lock_guard lock(shared->Mutex);
        shared->Value = std::move(value);
        shared->Ended = true;
        shared->Done.notify_all();
    }).detach();
    std::unique_lock lock(shared->Mutex);
    if (!shared->Done.wait_for(lock, limit, [&] { return shared->Ended; })) {
        return std::nullopt;
    }
    return std::move(shared->Value);
}

} // namespace lumbrant
