#include "retrieval/HandOverPort.h"
#include "support/JobResults.h"

#include <chrono>
#include <deque>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace lumbrant {
namespace {

// Stands for the UI thread's queue: tasks are posted and run when the test pumps.
struct TaskQueue {
    void Post(std::function<void()> task) {
        std::lock_guard lock(mutex);
        tasks.push_back(std::move(task));
    }
    bool RunOne() {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex);
            if (tasks.empty()) {
                return false;
            }
            task = std::move(tasks.front());
            tasks.pop_front();
        }
        task();
        return true;
    }
    void WaitForTask() {
        for (int i = 0; i < 2000; ++i) {
            {
                std::lock_guard lock(mutex);
                if (!tasks.empty()) {
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        FAIL() << "no task was posted";
    }
    std::mutex mutex;
    std::deque<std::function<void()>> tasks;
};

TEST(HandOverPort, TheSenderWaitsUntilTheMessageWasHandled) {
    TaskQueue ui;
    std::vector<int> handled;
    auto port = HandOverPort::Create([&](auto task) { ui.Post(std::move(task)); },
                                     [&](const JobResult& m) { handled.push_back(m.Slot); });
    auto sent = std::async(std::launch::async, [&] {
        port->SendBlocking(testing::ArticleArrived(1, "page", "TO", "1"));
    });
    ui.WaitForTask();
    EXPECT_EQ(sent.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    EXPECT_TRUE(ui.RunOne());
    sent.get();
    EXPECT_EQ(handled, std::vector<int>{1});
}

TEST(HandOverPort, ClosingReleasesWaitingSendersAndRefusesLaterOnes) {
    TaskQueue ui;
    int handled = 0;
    auto port = HandOverPort::Create([&](auto task) { ui.Post(std::move(task)); },
                                     [&](const JobResult&) { ++handled; });
    auto sent =
        std::async(std::launch::async, [&] { port->SendBlocking(testing::FrontPageArrived("")); });
    ui.WaitForTask();
    port->Close();
    sent.get();
    port->SendBlocking(testing::FrontPageArrived(""));
    while (ui.RunOne()) {
    }
    EXPECT_EQ(handled, 0);
}

TEST(HandOverPort, AHandlerThatThrowsStillReleasesTheSender) {
    TaskQueue ui;
    auto port = HandOverPort::Create([&](auto task) { ui.Post(std::move(task)); },
                                     [](const JobResult&) { throw std::runtime_error("boom"); });
    auto sent =
        std::async(std::launch::async, [&] { port->SendBlocking(testing::FrontPageArrived("")); });
    ui.WaitForTask();
    EXPECT_THROW(ui.RunOne(), std::runtime_error);
    sent.get();
}

} // namespace
} // namespace lumbrant
