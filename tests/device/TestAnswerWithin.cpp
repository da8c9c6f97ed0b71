// Asking a drive on a thread of its own: an answer in time is taken, a
// question that fails has no answer, and one that does not answer in time is
// given up and ends later on its own, touching only what it owns.

#include "device/AnswerWithin.h"
#include "support/Polling.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {
namespace {

using namespace std::chrono_literals;

// Holds a question until the test lets it go, and tells when it has ended.
struct Gate {
    std::mutex Mutex;
    std::condition_variable Opened;
    bool Open = false;
    std::atomic<bool> Ended{false};

    void Pass() {
        std::unique_lock lock(Mutex);
        Opened.wait(lock, [&] { return Open; });
    }
    void Release() {
        const std::lock_guard lock(Mutex);
        Open = true;
        Opened.notify_all();
    }
};

TEST(AnswerWithin, ADriveThatDoesNotAnswerInTimeIsGivenUp) {
    struct Case {
        const char* What;
        std::chrono::milliseconds Limit;
        bool Hangs;
        bool Throws;
        std::optional<std::string> Expected;
    };
    const Case cases[] = {
        {"answers at once", 60s, false, false, "IPOD"},
        {"fails", 60s, false, true, std::nullopt},
        {"does not answer until after the call", 100ms, true, false, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto gate = std::make_shared<Gate>();
        const std::optional<std::string> answer =
            AnswerWithin<std::string>(c.Limit, [gate, c]() -> std::string {
                if (c.Hangs) {
                    gate->Pass();
                }
                gate->Ended = true;
                if (c.Throws) {
                    throw std::runtime_error("the drive went away");
                }
                return "IPOD";
            });
        EXPECT_EQ(answer, c.Expected) << c.What;
        // A question given up still runs to its end once the drive answers.
        gate->Release();
        EXPECT_TRUE(e2e::WaitUntil([&] { return gate->Ended.load(); }, 60s)) << c.What;
    }
}

} // namespace
} // namespace lumbrant
