#include "support/TempFolder.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramStart.h"

#include <QLockFile>
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

TEST_F(ProgramStartTest, TheLockOfAProgramThatDiedIsTakenOver) {
    const pid_t gone = fork();
    if (gone == 0) {
        _exit(0);
    }
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    // The lock as a killed program leaves it: its first line names the process.
    QLockFile held(QString::fromStdString(LockFile().string()));
    ASSERT_TRUE(held.tryLock());
    std::string content = testing::ReadFile(LockFile());
    held.unlock();
    content.replace(0, content.find('\n'), std::to_string(gone));
    testing::WriteFile(LockFile(), content);

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
