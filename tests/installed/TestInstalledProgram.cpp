// The Windows program as a user gets it: installed silently by its
// installer, started from where it was installed, with a player on a drive
// letter of its own and the local news service on loopback; its notes, log
// and registry settings checked from outside; then uninstalled.
//
// CTest runs Installer.* first and Uninstaller.* last (fixtures), and the
// runs of the program one at a time in between.

#include "installed/InstalledProgram.h"
#include "newsdesk/NewsDesk.h"
#include "support/ExpectedNotes.h"
#include "support/FolderSnapshot.h"
#include "support/MappedDriveLetter.h"
#include "support/Polling.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumbrant::installed {
namespace {

using namespace std::chrono_literals;
using e2e::ReadFolder;
using e2e::WaitForTransfer;
using e2e::WaitUntil;

constexpr auto kRunLimit = 90s;
constexpr auto kExitLimit = 20s;
const std::filesystem::path kInstaller = LUMBRANT_INSTALLER;

TEST(Installer, InstallsSilentlyForTheCurrentUserWithTheEditionsAndAStartMenuEntry) {
    ASSERT_EQ(RunAndWait(kInstaller, L"/S", 120s), 0u);
    const std::filesystem::path folder = InstallFolder();
    for (const char* file : {"Lumbrant.exe", "Editions.ini", "Uninstall.exe"}) {
        EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
    }
    EXPECT_TRUE(std::filesystem::exists(StartMenuEntry()));
    EXPECT_TRUE(UninstallEntryExists());
}

class InstalledProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(program.WorkDir() / "Lumbrant.exe"))
            << "the installer has not run";
        // What an earlier run wrote beside the program goes; the shipped
        // feed editions wait aside, so that the classic front page is read.
        for (const char* written : {"news", "Rovad.txt", "google.html"}) {
            std::filesystem::remove_all(program.WorkDir() / written);
        }
        std::filesystem::rename(program.WorkDir() / "Editions.ini", shippedEditions);
        testing::WriteFile(playerRoot.Path() / "iPod_Control" / "iTunes" / "iTunesDB", "");
        std::filesystem::create_directories(PlayerNotes());
        player = std::make_unique<testing::MappedDriveLetter>(playerRoot.Path(), DRIVE_REMOVABLE);
        ASSERT_TRUE(player->Mapped()) << "no free drive letter for the player";
    }

    void TearDown() override {
        DeleteSettings();
        std::filesystem::rename(shippedEditions, program.WorkDir() / "Editions.ini");
    }

    ::testing::AssertionResult StartDeskAndProgram(int storiesPerSection, int latencyMs) {
        newsdesk::Options options;
        options.StoriesPerSection = storiesPerSection;
        options.LatencyMs = latencyMs;
        desk = std::make_unique<newsdesk::NewsDesk>(options);
        if (!desk->Start()) {
            return ::testing::AssertionFailure() << "the local news service did not start";
        }
        WriteSettings(desk->BaseUrl());
        const std::string problem = program.Start();
        if (!problem.empty()) {
            return ::testing::AssertionFailure() << problem;
        }
        return ::testing::AssertionSuccess();
    }

    std::filesystem::path PlayerNotes() const { return playerRoot.Path() / "Notes" / "news"; }

    int ArticleRequests() const {
        int requests = 0;
        for (const auto& story : desk->Stories("tus")) {
            requests += desk->RequestCount(story.ArticlePath);
        }
        return requests;
    }

    testing::TempFolder scratch{"lumbrant-installed"};
    testing::TempFolder playerRoot{"lumbrant-player"};
    std::filesystem::path shippedEditions = scratch.Path() / "Editions.ini";
    std::unique_ptr<testing::MappedDriveLetter> player;
    std::unique_ptr<newsdesk::NewsDesk> desk;
    InstalledProgram program;
};

TEST_F(InstalledProgramTest, ARunLandsOnThePlayerAndTheSettingsReachTheRegistryAtTheClose) {
    ASSERT_TRUE(StartDeskAndProgram(3, 0));
    ASSERT_TRUE(program.PressGetNews());
    ASSERT_TRUE(WaitForTransfer(PlayerNotes(), program.NewsFolder(), {}, kRunLimit))
        << "no notes reached the player";

    EXPECT_EQ(desk->RequestCount("/news?ned=tus"), 1);
    for (const auto& story : desk->Stories("tus")) {
        EXPECT_EQ(desk->RequestCount(story.ArticlePath), 1) << story.ArticlePath;
    }
    const auto expected = testing::ExpectedRun(*desk, "tus", scratch.Path() / "expected");
    const auto onPlayer = testing::ReadNewsFolder(PlayerNotes());
    EXPECT_GT(onPlayer.StoryNotes.size(), 10u);
    EXPECT_EQ(onPlayer.StoryNotes, expected.Notes.StoryNotes);
    EXPECT_EQ(onPlayer.IndexLines, expected.Notes.IndexLines);
    EXPECT_EQ(testing::ReadLogValues(program.LogFile()), expected.LogValues);
    EXPECT_TRUE(program.Windows(L"Lumbrant").empty())
        << "a box showed although the player is there";

    ASSERT_TRUE(program.ChooseNextCountry());
    ASSERT_TRUE(program.PressClose());
    EXPECT_EQ(program.WaitForExit(kExitLimit), 0u) << "the program did not end by its close button";
    EXPECT_EQ(ReadSetting("CI"), 1u) << "the chosen country was not saved at the close";
    EXPECT_EQ(ReadSetting("HS"), 0u);
    EXPECT_EQ(ReadSetting("VE"), 0u);
}

TEST_F(InstalledProgramTest, TheCloseQuestionAnsweredNoStopsTheRunAndYesCopiesAndCloses) {
    ASSERT_TRUE(StartDeskAndProgram(20, 300));
    const int stories = static_cast<int>(desk->Stories("tus").size());
    ASSERT_TRUE(program.PressGetNews());
    ASSERT_TRUE(WaitUntil([&] { return ArticleRequests() >= 8; }, kRunLimit));

    ASSERT_TRUE(program.PressClose());
    HWND question = nullptr;
    ASSERT_TRUE(program.WaitForBox(question)) << "no question on the close button";
    ASSERT_TRUE(InstalledProgram::Answer(question, L'n'));
    ASSERT_TRUE(program.WaitUntilGone(question)) << "the question did not take the answer No";
    ASSERT_TRUE(WaitForTransfer(PlayerNotes(), program.NewsFolder(), {}, kRunLimit))
        << "the stopped run did not end with its transfer";
    const int fetched = ArticleRequests();
    EXPECT_LT(fetched, stories / 2) << "the run went on after the answer No";
    EXPECT_EQ(e2e::LogEntryCount(program.LogFile()), fetched);
    EXPECT_TRUE(program.Running()) << "the program closed although the answer was No";

    const e2e::Files firstRun = ReadFolder(PlayerNotes());
    const int lastOfFirstRun = e2e::NoteNumbers(firstRun).back();
    ASSERT_TRUE(program.PressGetNews());
    // Two notes of the new run, numbered on from the first run's.
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto numbers = e2e::NoteNumbers(ReadFolder(program.NewsFolder()));
            return numbers.size() >= 2 && numbers.front() > lastOfFirstRun;
        },
        kRunLimit));
    ASSERT_TRUE(program.PressClose());
    ASSERT_TRUE(program.WaitForBox(question));
    ASSERT_TRUE(InstalledProgram::Answer(question, L'y'));
    EXPECT_EQ(program.WaitForExit(kExitLimit), 0u) << "Yes did not close the program";
    const e2e::Files secondRun = ReadFolder(PlayerNotes());
    EXPECT_TRUE(secondRun != firstRun) << "Yes did not copy what was written";
    EXPECT_TRUE(secondRun == ReadFolder(program.NewsFolder()))
        << "the player does not hold what the run wrote";
}

TEST_F(InstalledProgramTest, ASecondStartSaysTheProgramIsAlreadyRunningAndTouchesNothing) {
    ASSERT_TRUE(StartDeskAndProgram(1, 0));
    const e2e::Files before = ReadFolder(program.WorkDir());
    InstalledProgram second;
    ASSERT_TRUE(second.Launch());
    HWND box = nullptr;
    ASSERT_TRUE(second.WaitForBox(box)) << "the second program showed no box";
    wchar_t text[64] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 64); // the system's boxes keep their text there
    EXPECT_EQ(std::wstring(text), L"Lumbrant is already running.");
    ASSERT_TRUE(InstalledProgram::Answer(box, L'\r'));
    const auto status = second.WaitForExit(kExitLimit);
    ASSERT_TRUE(status.has_value()) << "the second program did not end";
    EXPECT_NE(*status, 0u);
    const e2e::Files after = ReadFolder(program.WorkDir());
    EXPECT_TRUE(after == before) << "the second program wrote beside the first";
    EXPECT_EQ(desk->TotalRequests(), 0);
    ASSERT_TRUE(program.PressClose());
    EXPECT_EQ(program.WaitForExit(kExitLimit), 0u);
}

TEST(Uninstaller, RemovesWhatWasInstalledAndLeavesTheNotesLogAndSettings) {
    const std::filesystem::path folder = InstallFolder();
    ASSERT_TRUE(std::filesystem::exists(folder / "Uninstall.exe"));
    testing::WriteFile(folder / "Rovad.txt", "[Access Log]\r\n0=Right 1/2\r\n");
    testing::WriteFile(folder / "news" / "index", "<title>News</title>\r\n");
    WriteSettings("http://127.0.0.1:1");
    // The uninstaller runs on from a copy of itself and removes the original.
    ASSERT_EQ(RunAndWait(folder / "Uninstall.exe", L"/S", 60s), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !std::filesystem::exists(folder / "Uninstall.exe"); }, 60s));
    for (const char* file : {"Lumbrant.exe", "Editions.ini"}) {
        EXPECT_FALSE(std::filesystem::exists(folder / file)) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(StartMenuEntry()));
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_TRUE(std::filesystem::exists(folder / "Rovad.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder / "news" / "index"));
    EXPECT_EQ(ReadSetting("AG"), 0u) << "the settings went with the program";
    DeleteSettings();
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace lumbrant::installed
