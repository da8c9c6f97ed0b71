#include "core/InstanceLock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

// Whatever a program that is gone left in the lock file, the next start
// takes the lock: a crash before the content reached the disk, another
// host's name (a renamed machine, a program carried on a stick), a process
// that no longer exists.
TEST(InstanceLock, AnyLockFileLeftBehindIsTakenOver) {
    const std::vector<std::pair<const char*, const char*>> leftovers{
        {"no file", nullptr},
        {"an empty file", ""},
        {"another host's lock", "4242\nLumbrant\nsome-other-machine\n"},
        {"a process that is gone", "2147483646\nLumbrant\nthis-machine\n"},
    };
    for (const auto& [what, content] : leftovers) {
        const testing::TempFolder workDir("lumbrant-lock");
        const std::string path = workDir / kInstanceLockName;
        if (content != nullptr) {
            testing::WriteFile(path, content);
        }
        const InstanceLock lock(path);
        EXPECT_EQ(lock.Outcome(), LockOutcome::Taken) << what << ": " << lock.Why();
    }
}

TEST(InstanceLock, AHeldLockIsRefusedUntilItsHolderLetsGo) {
    const testing::TempFolder workDir("lumbrant-lock");
    const std::string path = workDir / kInstanceLockName;
    {
        const InstanceLock first(path);
        ASSERT_EQ(first.Outcome(), LockOutcome::Taken) << first.Why();
        const InstanceLock second(path);
        EXPECT_EQ(second.Outcome(), LockOutcome::HeldElsewhere);
    }
    const InstanceLock again(path);
    EXPECT_EQ(again.Outcome(), LockOutcome::Taken) << again.Why();
}

TEST(InstanceLock, AFolderThatCannotHoldTheLockSaysWhy) {
    const testing::TempFolder workDir("lumbrant-lock");
    const InstanceLock lock(workDir / "missing" + "/" + kInstanceLockName);
    EXPECT_EQ(lock.Outcome(), LockOutcome::Unavailable);
    EXPECT_NE(lock.Why(), "");
}

} // namespace
} // namespace lumbrant
