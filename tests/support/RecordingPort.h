#pragma once

// A hand-over port that collects what fetch jobs hand over, standing for the
// UI thread, for tests that run real jobs on their own threads.

#include "core/JobPorts.h"

#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace lumbrant::testing {

struct RecordingPort : MessagePort {
    void SendBlocking(const JobResult& message) override {
        std::lock_guard lock(mutex);
        messages.push_back(message);
        arrived.notify_all();
    }
    // The count-th message (1-based), waited for up to a minute.
    JobResult WaitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        const bool ok = arrived.wait_for(lock, std::chrono::seconds(60),
                                         [&] { return messages.size() >= count; });
        EXPECT_TRUE(ok) << "no message from the job";
        return ok ? messages[count - 1] : JobResult{};
    }
    std::size_t Count() {
        std::lock_guard lock(mutex);
        return messages.size();
    }
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<JobResult> messages;
};

} // namespace lumbrant::testing
