// The built program as a user meets it: its real window on an X server,
// pointer clicks and key presses, the local news service over loopback HTTP,
// and a player that the program finds in the real mount table. Everything is
// checked from outside: the files it leaves, the service's request counts and
// the windows on screen.

#include "e2e/ProgramUnderTest.h"
#include "e2e/XServer.h"
#include "newsdesk/NewsDesk.h"
#include "support/ExpectedNotes.h"
#include "support/FolderSnapshot.h"
#include "support/Polling.h"
#include "support/PrivateMounts.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace lumbrant::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kRunLimit = 90s;

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool"}) {
            if (!InPath(tool)) {
                GTEST_SKIP() << tool << " is not installed; the end-to-end tests need it "
                             << "(scripts/bootstrap installs it)";
            }
        }
        xServer = std::make_unique<XServer>(scratch / "xvfb.log");
    }

    // The local news service, and the built program in a WorkDir of its
    // own pointed at it, its window showing.
    ::testing::AssertionResult StartDeskAndProgram(int storiesPerSection, int latencyMs) {
        newsdesk::Options options;
        options.StoriesPerSection = storiesPerSection;
        options.LatencyMs = latencyMs;
        desk = std::make_unique<newsdesk::NewsDesk>(options);
        if (!desk->Start()) {
            return ::testing::AssertionFailure() << "the local news service did not start";
        }
        program = std::make_unique<ProgramUnderTest>(LUMBRANT_EXE, scratch.Path() / "program",
                                                     desk->BaseUrl(), xServer->Display());
        const std::string problem = program->Start();
        if (!problem.empty()) {
            return ::testing::AssertionFailure() << problem;
        }
        return ::testing::AssertionSuccess();
    }

    int ArticleRequests(const std::string& edition) const {
        int requests = 0;
        for (const auto& story : desk->Stories(edition)) {
            requests += desk->RequestCount(story.ArticlePath);
        }
        return requests;
    }

    // Closes the program with its close button, outside a run: no question.
    void CloseProgram() {
        ASSERT_TRUE(program->PressClose());
        EXPECT_EQ(program->WaitForExit(), 0) << "the program did not end by its close button";
    }

    testing::TempFolder scratch{"lumbrant-e2e"};
    std::unique_ptr<XServer> xServer;
    std::unique_ptr<newsdesk::NewsDesk> desk;
    std::unique_ptr<ProgramUnderTest> program;
};

// Tests whose program finds a player: a tmpfs mounted before it starts.
class EndToEndWithPlayerTest : public EndToEndTest {
protected:
    void SetUp() override {
        std::string whyNot;
        if (!MountsAllowed(whyNot)) {
            GTEST_SKIP() << "no private mount namespace, so no player can be mounted: " << whyNot;
        }
        EndToEndTest::SetUp();
        if (!IsSkipped()) {
            player = std::make_unique<TmpfsPlayer>(scratch / "player");
        }
    }

    void TearDown() override {
        program.reset(); // nothing may hold the player while it is unmounted
        player.reset();
    }

    std::unique_ptr<TmpfsPlayer> player;
};

TEST_F(EndToEndWithPlayerTest, ARunEndsWithEveryPagesNotesOnThePlayer) {
    ASSERT_TRUE(StartDeskAndProgram(4, 0));
    ASSERT_TRUE(program->PressGetNews());
    ASSERT_TRUE(WaitForTransfer(player->NotesFolder(), program->NewsFolder(), {}, kRunLimit))
        << "no notes reached the player";

    EXPECT_EQ(desk->RequestCount("/news?ned=tus"), 1);
    EXPECT_EQ(desk->RequestCount("/news?ned=tuk"), 0);
    for (const auto& story : desk->Stories("tus")) {
        EXPECT_EQ(desk->RequestCount(story.ArticlePath), 1) << story.ArticlePath;
    }
    EXPECT_TRUE(std::filesystem::exists(program->WorkDir() / "google.html"));
    EXPECT_TRUE(program->MessageBoxes().empty()) << "a box showed although the player is there";

    const auto expected = testing::ExpectedRun(*desk, "tus", scratch.Path() / "expected");
    const auto onPlayer = testing::ReadNewsFolder(player->NotesFolder());
    EXPECT_GT(onPlayer.StoryNotes.size(), 20u);
    EXPECT_EQ(onPlayer.StoryNotes, expected.Notes.StoryNotes);
    EXPECT_EQ(onPlayer.IndexLines, expected.Notes.IndexLines);
    EXPECT_EQ(testing::ReadLogValues(program->LogFile()), expected.LogValues);
    CloseProgram();
}

TEST_F(EndToEndWithPlayerTest, ASecondRunOfTheOtherEditionNumbersOnAndReplacesThePlayersNotes) {
    ASSERT_TRUE(StartDeskAndProgram(3, 0));
    ASSERT_TRUE(program->PressGetNews());
    ASSERT_TRUE(WaitForTransfer(player->NotesFolder(), program->NewsFolder(), {}, kRunLimit));
    const Files firstRun = ReadFolder(player->NotesFolder());
    const auto firstNumbers = NoteNumbers(firstRun);
    ASSERT_FALSE(firstNumbers.empty());

    ASSERT_TRUE(program->ChooseNextCountry()) << "the country list did not open and close";
    ASSERT_TRUE(program->PressGetNews());
    ASSERT_TRUE(WaitUntil([&] { return desk->RequestCount("/news?ned=tuk") == 1; }, kRunLimit))
        << "the second run did not ask for the United Kingdom edition";
    ASSERT_TRUE(WaitForTransfer(player->NotesFolder(), program->NewsFolder(), firstRun, kRunLimit))
        << "the second run's notes did not reach the player";

    EXPECT_EQ(desk->RequestCount("/news?ned=tus"), 1);
    for (const auto& story : desk->Stories("tuk")) {
        EXPECT_EQ(desk->RequestCount(story.ArticlePath), 1) << story.ArticlePath;
    }
    const Files secondRun = ReadFolder(player->NotesFolder());
    const auto secondNumbers = NoteNumbers(secondRun);
    ASSERT_FALSE(secondNumbers.empty());
    EXPECT_GT(secondNumbers.front(), firstNumbers.back()) << "note numbering started again";
    EXPECT_EQ(secondNumbers.front(), firstNumbers.back() + 1);

    // Both folders hold this run's notes only: the local one was emptied at
    // the start, the player's replaced at the end.
    const auto expected = testing::ExpectedRun(*desk, "tuk", scratch.Path() / "expected");
    EXPECT_EQ(testing::ReadNewsFolder(program->NewsFolder()).StoryNotes, expected.Notes.StoryNotes);
    EXPECT_EQ(testing::ReadNewsFolder(player->NotesFolder()).StoryNotes, expected.Notes.StoryNotes);
    for (const auto& [name, content] : firstRun) {
        if (name != "index") {
            EXPECT_FALSE(secondRun.contains(name)) << name << " of the first run is still there";
        }
    }
    EXPECT_EQ(LogEntryCount(program->LogFile()),
              static_cast<int>(desk->Stories("tus").size() + desk->Stories("tuk").size()));
    CloseProgram();
    EXPECT_NE(testing::ReadFile(program->SettingsFile()).find("CI=dword:00000001"),
              std::string::npos)
        << "the chosen country was not saved at close";
}

TEST_F(EndToEndWithPlayerTest, StopDuringARunEndsItEarlyAndStillTransfersWhatWasWritten) {
    ASSERT_TRUE(StartDeskAndProgram(20, 300));
    const int stories = static_cast<int>(desk->Stories("tus").size());
    ASSERT_TRUE(program->PressGetNews());
    ASSERT_TRUE(WaitUntil([&] { return ArticleRequests("tus") >= 8; }, kRunLimit));
    ASSERT_TRUE(program->PressGetNews()); // the button reads "Stop" now
    ASSERT_TRUE(WaitForTransfer(player->NotesFolder(), program->NewsFolder(), {}, kRunLimit))
        << "the stopped run did not end with its transfer";

    const int fetched = ArticleRequests("tus");
    EXPECT_LT(fetched, stories / 2) << "the run went on after Stop";
    // Pages in flight at the press were still handled: one log entry each.
    EXPECT_EQ(LogEntryCount(program->LogFile()), fetched);
    EXPECT_FALSE(NoteNumbers(ReadFolder(player->NotesFolder())).empty());
    EXPECT_TRUE(program->MessageBoxes().empty());
    EXPECT_TRUE(program->Running());
    CloseProgram();
}

TEST_F(EndToEndTest, TheCloseQuestionAnsweredNoStopsTheRunAndKeepsTheProgramOpen) {
    ASSERT_TRUE(StartDeskAndProgram(20, 300));
    const int stories = static_cast<int>(desk->Stories("tus").size());
    ASSERT_TRUE(program->PressGetNews());
    ASSERT_TRUE(WaitUntil([&] { return ArticleRequests("tus") >= 8; }, kRunLimit));

    ASSERT_TRUE(program->PressClose());
    std::string question;
    ASSERT_TRUE(program->WaitForMessageBox(question)) << "no question on the close button";
    ASSERT_TRUE(program->Answer(question, "n"));
    ASSERT_TRUE(program->WaitUntilGone(question)) << "the question did not take the answer No";

    // With no player the run's end says so in a box of its own.
    std::string notConnected;
    ASSERT_TRUE(program->WaitForMessageBox(notConnected)) << "the stopped run did not end";
    const int fetched = ArticleRequests("tus");
    EXPECT_LT(fetched, stories / 2) << "the run went on after the answer No";
    EXPECT_EQ(LogEntryCount(program->LogFile()), fetched);
    EXPECT_TRUE(std::filesystem::exists(program->NewsFolder() / "index"));
    ASSERT_TRUE(program->Answer(notConnected, "Return"));
    ASSERT_TRUE(program->WaitUntilGone(notConnected));

    EXPECT_TRUE(program->Running()) << "the program closed although the answer was No";
    EXPECT_TRUE(program->MainWindowVisible());
    CloseProgram();
}

TEST_F(EndToEndTest, ASecondProgramInTheSameFolderSaysSoAndTouchesNothing) {
    ASSERT_TRUE(StartDeskAndProgram(1, 0));
    const Files before = ReadFolder(program->WorkDir());
    const std::string settings = testing::ReadFile(program->SettingsFile());
    const auto status = program->StartAnotherAndAnswerItsBox();
    ASSERT_TRUE(status.has_value()) << "the second program showed no box or did not end";
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(ReadFolder(program->WorkDir()) == before) << "the second program wrote beside it";
    EXPECT_FALSE(std::filesystem::exists(program->NewsFolder()));
    EXPECT_EQ(testing::ReadFile(program->SettingsFile()), settings);
    EXPECT_EQ(desk->TotalRequests(), 0);
    EXPECT_TRUE(program->Running());
    CloseProgram();
}

} // namespace
} // namespace lumbrant::e2e
