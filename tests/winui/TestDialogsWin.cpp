// The two hidden dialogs of the native window: their skin and buttons,
// their showing over the main window, their answers and what they log.

#include "support/FolderLog.h"
#include "support/TempFolder.h"
#include "text/WideText.h"
#include "winui/FrmCopyContinueWin.h"
#include "winui/FrmReportWin.h"
#include "winui/WindowSandbox.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lumbrant {
namespace {

using testing::FolderLog;
using testing::ReadFile;
using testing::TempFolder;
using testing::WindowSandbox;

RECT PlaceOnScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

std::string WindowText(HWND window) {
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), 256)));
    return text::FromWide(text);
}

class DialogsWinTest : public ::testing::Test {
protected:
    WindowSandbox sandbox;
    FormMainWin form{sandbox.Dependencies()};
    TempFolder folder{"lumbrant-dialog"};
    FolderLog log{folder.Path().string()};
    std::vector<std::string> opened;
    SkinnedDialogWin::AddressOpener opener = [this](const std::string& address) {
        opened.push_back(address);
        return true;
    };
};

TEST_F(DialogsWinTest, BothDialogsAreHiddenSkinnedAndCarryTheirButtons) {
    TFormReportWin report(form.Handle(), log.Log, opener);
    TFormCopyContinueWin copyContinue(form.Handle(), opener);
    const std::vector<
        std::pair<SkinnedWindowWin*, std::vector<std::pair<const char*, const char*>>>>
        rows = {
            {&report, {{"OpenDir", "Open Directory"}, {"CloseButton", "Close"}}},
            {&copyContinue, {{"ButtonOpen", "Continue Copy "}, {"XP_ButtonSmall1", "Quit Copy"}}},
        };
    for (const auto& [dialog, buttons] : rows) {
        EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
        const RECT place = PlaceOnScreen(dialog->Handle());
        EXPECT_EQ(place.right - place.left, 335);
        EXPECT_EQ(place.bottom - place.top, 223);
        for (const auto& [name, caption] : buttons) {
            ASSERT_NE(dialog->Control(name), nullptr) << name;
            EXPECT_EQ(WindowText(dialog->Control(name)), caption);
        }
        for (const auto& [name, hint] : std::vector<std::pair<const char*, const char*>>{
                 {"TitleMinimize", "Minimize"},
                 {"TitleClose", "Close"},
                 {"TitleWeb", "http://www.lumbrant.example/"}}) {
            EXPECT_EQ(dialog->Hint(name), hint);
        }
    }
}

TEST_F(DialogsWinTest, ShowingCentresTheDialogOverTheMainWindowEvenOffTheScreen) {
    struct Row {
        POINT Main;
        POINT Expected;
    };
    const std::vector<Row> rows = {
        {{100, 80}, {133, 119}},
        {{700, 520}, {733, 559}},
        {{-200, -150}, {-167, -111}},
    };
    TFormReportWin report(form.Handle(), log.Log, opener);
    for (const Row& row : rows) {
        SetWindowPos(form.Handle(), nullptr, row.Main.x, row.Main.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        report.Show();
        const RECT place = PlaceOnScreen(report.Handle());
        EXPECT_EQ(place.left, row.Expected.x) << row.Main.x;
        EXPECT_EQ(place.top, row.Expected.y) << row.Main.x;
        EXPECT_TRUE(IsWindowVisible(report.Handle()));
        SendMessageW(report.Control("CloseButton"), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowVisible(report.Handle()));
    }
}

TEST_F(DialogsWinTest, CopyContinueAnswersWithTheButtonThatClosedIt) {
    TFormCopyContinueWin dialog(form.Handle(), opener);
    struct Row {
        const char* Button;
        bool Answer;
    };
    const std::vector<Row> rows = {{"ButtonOpen", true},
                                   {"XP_ButtonSmall1", false},
                                   {"ButtonOpen", true},
                                   {"TitleClose", false}};
    for (const Row& row : rows) {
        dialog.Show();
        SendMessageW(dialog.Control(row.Button), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.Answer(), row.Answer) << row.Button;
        EXPECT_FALSE(IsWindowVisible(dialog.Handle())) << row.Button;
    }
    SendMessageW(dialog.Control("TitleWeb"), BM_CLICK, 0, 0);
    EXPECT_EQ(opened, std::vector<std::string>{"http://www.lumbrant.example/"});
}

TEST_F(DialogsWinTest, OpenDirectoryOpensTheFolderAndLogsWhatFails) {
    struct Row {
        SkinnedDialogWin::AddressOpener Opener;
        std::string Logged;
    };
    const std::vector<Row> rows = {
        {[](const std::string&) { return true; }, ""},
        {[](const std::string&) { return false; },
         "OpenDirClick:the shell could not open \"g:\\Notes\""},
        {[](const std::string&) -> bool { throw std::runtime_error("no shell"); },
         "OpenDirClick:no shell"},
    };
    for (const Row& row : rows) {
        const std::size_t before = log.Entries().size();
        TFormReportWin report(form.Handle(), log.Log, row.Opener);
        report.SetDirectory("g:\\Notes");
        SendMessageW(report.Control("OpenDir"), BM_CLICK, 0, 0);
        const auto entries = log.Entries();
        if (row.Logged.empty()) {
            EXPECT_EQ(entries.size(), before);
        } else {
            ASSERT_EQ(entries.size(), before + 1);
            EXPECT_EQ(entries.back(), row.Logged);
        }
    }
}

} // namespace
} // namespace lumbrant
