// The native program's start: one program at a time per work folder, and a
// start-up failure told in a box.

#include "core/InstanceLock.h"
#include "support/TempFolder.h"
#include "winui/ProgramStartWin.h"
#include "winui/WindowSandbox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {
namespace {

using testing::RecordingBoxes;
using testing::TempFolder;

class ProgramStartWinTest : public ::testing::Test {
protected:
    std::function<std::string()> WorkDir() const {
        return [this] { return workDir.Path().string(); };
    }

    TempFolder workDir{"lumbrant-start"};
    RecordingBoxes boxes;
};

TEST_F(ProgramStartWinTest, ASecondProgramInTheSameFolderSaysSoAndRunsNoWindow) {
    bool secondRan = false;
    int second = 0;
    const int first = StartProgram(
        WorkDir(),
        [&] {
            second = StartProgram(
                WorkDir(),
                [&] {
                    secondRan = true;
                    return 0;
                },
                boxes);
            return 7;
        },
        boxes);
    EXPECT_EQ(first, 7);
    EXPECT_NE(second, 0);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(boxes.Shown, std::vector<std::string>{"Lumbrant is already running."});
    EXPECT_EQ(StartProgram(
                  WorkDir(), [] { return 0; }, boxes),
              0)
        << "the folder is free again";
}

TEST_F(ProgramStartWinTest, AStartUpFailureIsToldInABoxAndEndsTheProgram) {
    const std::function<std::string()> noWorkDir = []() -> std::string {
        throw std::runtime_error("Cannot read the executable's path.");
    };
    EXPECT_NE(StartProgram(
                  noWorkDir, [] { return 0; }, boxes),
              0);
    EXPECT_NE(StartProgram(
                  WorkDir(), []() -> int { throw std::runtime_error("No window."); }, boxes),
              0);
    EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"error: Cannot read the executable's path.",
                                                     "error: No window."}));
}

TEST_F(ProgramStartWinTest, TheMessageLoopEndsWithTheWindowThatEndsIt) {
    PostQuitMessage(3);
    EXPECT_EQ(RunMessageLoop(), 3);
}

} // namespace
} // namespace lumbrant
