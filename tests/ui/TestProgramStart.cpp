#include "core/InstanceLock.h"
#include "support/ForkedChild.h"
#include "support/TempFolder.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramStart.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace lumbrant {
namespace {

class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override { MessageBoxes::setAnswerEveryBox(true); }
    void TearDown() override {
        MessageBoxes::setAnswerEveryBox(false);
        MessageBoxes::clearShownTexts();
    }

    std::function<std::string()> WorkDir() const {
        return [this] { return workDir.Path().string(); };
    }
    std::filesystem::path LockFile() const { return workDir.Path() / kInstanceLockName; }

    std::vector<std::string> FilesInWorkDir() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(workDir.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    testing::TempFolder workDir{"lumbrant-start"};
};

TEST_F(ProgramStartTest, OneProgramAtATimeRunsInAWorkFolder) {
    bool secondRan = false;
    int second = 0;
    std::vector<std::string> filesAfterSecond;
    const int first = StartProgram(WorkDir(), [&] {
        second = StartProgram(WorkDir(), [&] {
            secondRan = true;
            return 0;
        });
        filesAfterSecond = FilesInWorkDir();
        return 7;
    });
    EXPECT_EQ(first, 7);
    EXPECT_NE(second, 0);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(filesAfterSecond, std::vector<std::string>{kInstanceLockName});
    EXPECT_EQ(MessageBoxes::shownTexts(), QStringList{"Lumbrant is already running."});
    EXPECT_EQ(StartProgram(WorkDir(), [] { return 0; }), 0) << "the folder is free again";
}

TEST_F(ProgramStartTest, TheLockDiesWithTheProgramThatHeldIt) {
    // The child holds the lock and is killed without letting it go.
    const int heldByChild = testing::RunInForkedChild([this] {
        const InstanceLock lock(LockFile().string());
        ::kill(::getpid(), SIGKILL);
        return 0;
    });
    ASSERT_EQ(heldByChild, -1) << "the child was not killed";
    EXPECT_EQ(StartProgram(WorkDir(), [] { return 0; }), 0);
    EXPECT_TRUE(MessageBoxes::shownTexts().isEmpty());
}

TEST_F(ProgramStartTest, AStartUpFailureIsToldInABoxAndEndsTheProgram) {
    const std::function<std::string()> noWorkDir = []() -> std::string {
        throw std::runtime_error("Cannot read the executable's path.");
    };
    EXPECT_NE(StartProgram(noWorkDir, [] { return 0; }), 0);
    EXPECT_NE(StartProgram(WorkDir(),
                           []() -> int {
                               throw std::runtime_error(
                                   "CURLOPT_PROTOCOLS_STR: An unknown option was passed in to "
                                   "libcurl");
                           }),
              0);
    EXPECT_EQ(MessageBoxes::shownTexts(),
              (QStringList{"Cannot read the executable's path.",
                           "CURLOPT_PROTOCOLS_STR: An unknown option was passed in to libcurl"}));
    EXPECT_EQ(StartProgram(WorkDir(), [] { return 0; }), 0) << "the failed start left no lock";
}

} // namespace
} // namespace lumbrant
