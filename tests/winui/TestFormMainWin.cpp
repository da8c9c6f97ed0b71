// The native window in-process, driven by the messages a user's clicks and
// choices send it: its controls, its texts in the Windows face, the
// handlers they reach, a whole run whose results are handed over by posted
// messages, the close question, device changes, dragging and the links.

#include "newsdesk/NewsDesk.h"
#include "settings/MakerSite.h"
#include "skin/MainLayout.h"
#include "skin/Palette.h"
#include "support/MessagePumpWin.h"
#include "support/TempFolder.h"
#include "text/WideText.h"
#include "winui/WindowSandbox.h"
#include "winui/YesNoBoxWin.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lumbrant {
namespace {

using testing::Capture;
using testing::PumpUntil;
using testing::WindowSandbox;

std::string WindowText(HWND window) {
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), 256)));
    return text::FromWide(text);
}

skin::Rect PlaceOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string EntryText(HWND selector, int index) {
    const auto length = SendMessageW(selector, CB_GETLBTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(selector, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text::FromWide(text);
}

// What the selector sends its window when the user picks entry index.
void Choose(FormMainWin& form, const char* selectorName, int index) {
    const HWND selector = form.Control(selectorName);
    SendMessageW(selector, CB_SETCURSEL, index, 0);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(selector), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(selector));
}

void Click(FormMainWin& form, const char* buttonName) {
    SendMessageW(form.Control(buttonName), BM_CLICK, 0, 0);
}

LRESULT HitTest(FormMainWin& form, int x, int y) {
    POINT point{x, y};
    ClientToScreen(form.Handle(), &point);
    return SendMessageW(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

// The close question's box, when this thread shows it (other test programs
// may show boxes of their own meanwhile).
HWND BoxOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (std::wstring(kind) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

class FormMainWinTest : public ::testing::Test {
protected:
    WindowSandbox sandbox;
};

// What a user sees of the window: its size without a system frame, every
// control shown with its text or hint, inside the window and clear of the
// others, and the editions of the table.
TEST_F(FormMainWinTest, EveryControlIsShownWithItsTextAndNoneCoversAnother) {
    FormMainWin form(sandbox.Dependencies());
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_EQ(WindowText(form.Handle()), ".");
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    const skin::Rect window{0, 0, static_cast<int>(outer.right - outer.left),
                            static_cast<int>(outer.bottom - outer.top)};
    EXPECT_EQ(window, (skin::Rect{0, 0, 402, 301}));
    const auto style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION) << "no system frame";
    // A selector's text is its entry; the picture buttons say what they do by their hints.
    const std::vector<std::pair<const char*, const char*>> controls = {
        {"ButtonCopy", "Get News"},   {"XP_ButtonSmall1", "Minimize"},
        {"XP_ButtonSmall3", "Close"}, {"XP_ButtonSmall2", "http://www.lumbrant.example/"},
        {"iPodSelectorCom", nullptr}, {"SunSimpleComboBox", nullptr},
    };
    for (const auto& [name, text] : controls) {
        const HWND control = form.Control(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(IsWindowVisible(control)) << name;
        if (text != nullptr) {
            EXPECT_EQ(WindowText(control).empty() ? form.Hint(name) : WindowText(control), text)
                << name;
        }
        EXPECT_TRUE(window.Contains(PlaceOf(control))) << name << " runs out of the window";
        for (const auto& [other, otherText] : controls) {
            if (other != name) {
                EXPECT_FALSE(PlaceOf(control).Intersects(PlaceOf(form.Control(other))))
                    << name << " covers " << other;
            }
        }
    }
    const HWND country = form.Control("SunSimpleComboBox");
    const auto& editions = EditionTable::BuiltIn().Editions();
    ASSERT_EQ(SendMessageW(country, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(editions.size()));
    for (std::size_t i = 0; i < editions.size(); ++i) {
        EXPECT_EQ(EntryText(country, static_cast<int>(i)), editions[i].Entry);
    }
    EXPECT_EQ(form.CountryEntryText(), editions.front().Entry);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        EXPECT_TRUE(form.LabelBox(name).has_value()) << name;
    }
}

TEST_F(FormMainWinTest, TheWindowIsCutToItsRoundedOutline) {
    FormMainWin form(sandbox.Dependencies());
    const HRGN outline = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form.Handle(), outline), ERROR);
    for (const POINT corner : {POINT{0, 0}, POINT{401, 0}, POINT{0, 300}, POINT{401, 300}}) {
        EXPECT_FALSE(PtInRegion(outline, corner.x, corner.y)) << corner.x << "," << corner.y;
    }
    for (const POINT inside : {POINT{5, 5}, POINT{396, 5}, POINT{200, 150}, POINT{12, 0},
                               POINT{0, 12}, POINT{200, 300}}) {
        EXPECT_TRUE(PtInRegion(outline, inside.x, inside.y)) << inside.x << "," << inside.y;
    }
    DeleteObject(outline);
}

TEST_F(FormMainWinTest, EveryTextFitsItsPlaceInTheWindowsFace) {
    FormMainWin form(sandbox.Dependencies());
    const std::wstring family = form.Font().Family();
    EXPECT_TRUE(family == L"Arial" || family == L"Liberation Sans")
        << "a face of other metrics stands in: " << text::FromWide(family);
    const std::vector<std::pair<const char*, skin::Rect>> labels = {{"Label3", skin::kPanel2Place},
                                                                    {"Label4", skin::kPanel2Place},
                                                                    {"Label5", skin::kPanel2Place},
                                                                    {"Label1", skin::kPanel3Place},
                                                                    {"Label2", skin::kPanel3Place}};
    for (const auto& [name, panel] : labels) {
        const skin::Rect box = *form.LabelBox(name);
        EXPECT_TRUE(panel.Contains(box)) << name << " runs out of its panel";
        for (const char* other :
             {"XP_ButtonSmall2", "iPodSelectorCom", "SunSimpleComboBox", "ButtonCopy"}) {
            EXPECT_FALSE(box.Intersects(PlaceOf(form.Control(other))))
                << name << " runs under " << other;
        }
    }
    for (const char* status :
         {"Ready to Getting News...", "No iPod Detected...", "Please connect your iPod",
          "Ready to Get News", "Stoping Getting now, Please Wait...", "Get News Stoped"}) {
        EXPECT_LE(form.Font().Measure(status, true).Width, skin::kNotifierPlace.Width) << status;
    }
    for (const char* caption : {"Get News", "Stop"}) {
        EXPECT_LE(form.Font().Measure(caption, true).Width, skin::kGetNewsPlace.Width) << caption;
    }
}

TEST_F(FormMainWinTest, ClicksAndChoicesReachTheHandlersAndTheCloseSavesTheCountry) {
    sandbox.UseNewsService("http://127.0.0.1:1");
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    EXPECT_EQ(form.StatusText(), "No iPod Detected...");
    EXPECT_EQ(EntryText(form.Control("iPodSelectorCom"), 0), "Please connect your iPod");

    Choose(form, "SunSimpleComboBox", 1);
    EXPECT_EQ(form.State().CountryIndex, 1);
    EXPECT_EQ(form.CountryEntryText(), "United Kingdom");

    Click(form, "ButtonCopy");
    EXPECT_TRUE(form.State().Running);
    EXPECT_EQ(WindowText(form.Control("ButtonCopy")), "Stop");
    // Nothing listens there: the front page fails, and its hand-over ends the run.
    ASSERT_TRUE(PumpUntil([&] { return !form.State().Running; }));
    EXPECT_EQ(WindowText(form.Control("ButtonCopy")), "Get News");

    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.Handle()));
    ASSERT_TRUE(sandbox.Settings().OpenKey());
    EXPECT_EQ(sandbox.Settings().ReadInteger("CI").Value, 1);
    EXPECT_TRUE(sandbox.Boxes->Shown.empty()) << "a close outside a run asks nothing";
}

TEST_F(FormMainWinTest, AWholeRunIsHandedOverByPostedMessagesAndLandsOnThePlayer) {
    newsdesk::Options options;
    options.StoriesPerSection = 1;
    // Slow enough that the bar is seen between two pages.
    options.LatencyMs = 100;
    newsdesk::NewsDesk desk(options);
    ASSERT_TRUE(desk.Start());
    sandbox.UseNewsService(desk.BaseUrl());
    const std::string player = sandbox.AddPlayer("player");
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    EXPECT_EQ(form.StatusText(), "Ready to Getting News...");

    Click(form, "ButtonCopy");
    int mostHandled = 0;
    ASSERT_TRUE(PumpUntil([&] {
        mostHandled = std::max(mostHandled, form.Progress().first);
        return !form.State().Running;
    }));
    EXPECT_GT(mostHandled, 0) << "the bar followed the run";
    EXPECT_EQ(form.Progress().second, 0) << "the run's end clears the bar";
    EXPECT_EQ(form.StatusText(), "Get News Stoped");
    EXPECT_TRUE(std::filesystem::exists(player + "/Notes/news/index"));
    EXPECT_TRUE(sandbox.Boxes->Shown.empty());
}

TEST_F(FormMainWinTest, TheStatusLineCutsLongTextsAndDrawsTheRunsProgressAlongItsBottom) {
    FormMainWin form(sandbox.Dependencies());
    const std::string exact(46, 'a');
    form.ShowStatus(exact);
    EXPECT_EQ(form.StatusText(), exact);
    form.ShowStatus(exact + "b");
    EXPECT_EQ(form.StatusText(), exact + "...");

    const skin::Rect line = skin::kNotifierPlace;
    const auto barPixels = [&] {
        const Capture capture(form.Handle());
        std::pair<int, int> counted{0, 0}; // fill, track
        for (int x = line.Left; x < line.Right(); ++x) {
            const COLORREF pixel = capture.Pixel(x, line.Bottom() - 1);
            counted.first += pixel == ToColorRef(skin::kBarFill) ? 1 : 0;
            counted.second += pixel == ToColorRef(skin::kBarTrack) ? 1 : 0;
        }
        return counted;
    };
    EXPECT_EQ(barPixels(), std::make_pair(0, 0)) << "no run, no bar";
    form.ShowRunProgress(4, 8);
    EXPECT_EQ(barPixels(), std::make_pair(line.Width / 2, line.Width - line.Width / 2));
    form.ShowRunProgress(0, 0);
    EXPECT_EQ(barPixels(), std::make_pair(0, 0));
}

TEST_F(FormMainWinTest, TheReminderRunsOnlyInAutomaticModeAndStopsAtTheClose) {
    sandbox.UseNewsService("http://127.0.0.1:1", 1);
    FormMainWin form(sandbox.Dependencies());
    EXPECT_TRUE(form.ReminderRunning());
    form.Core().TimerTimer();
    EXPECT_EQ(sandbox.Boxes->Shown, std::vector<std::string>{"Get Now!"});
    EXPECT_FALSE(form.State().Running);
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.ReminderRunning());

    WindowSandbox manual;
    FormMainWin other(manual.Dependencies());
    EXPECT_FALSE(other.ReminderRunning());
}

// The close question in the window's own box while a run goes: a task a
// job posts meanwhile is handled, and Esc, the box's close button and "n"
// answer as on Linux.
TEST_F(FormMainWinTest, TheCloseQuestionsBoxAnswersNeitherToEscOrItsCloseButton) {
    struct Row {
        const char* How;
        std::function<void(HWND)> Answer;
        bool Stopped;
    };
    const std::vector<Row> rows = {
        {"Esc", [](HWND box) { PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0); }, false},
        {"its close button", [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); },
         false},
        {"the key n", [](HWND box) { PostMessageW(box, WM_CHAR, 'n', 0); }, true},
    };
    sandbox.Boxes.reset();
    FormDependenciesWin dependencies = sandbox.Dependencies();
    dependencies.Boxes = MessageBoxesWin::System();
    FormMainWin form(std::move(dependencies));
    form.Show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.How);
        form.State().Running = true;
        form.State().StopRequested = false;
        static bool taskHandled;
        static const Row* answering;
        taskHandled = false;
        answering = &row;
        // Once the box shows, a job's task is posted to the window; once it
        // has been handled, the box is answered.
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
            const HWND box = BoxOfThisThread();
            if (box == nullptr) {
                return;
            }
            static bool posted = false;
            if (!posted) {
                posted = true;
                PostMessageW(GetWindow(box, GW_OWNER), FormMainWin::kHandOverMessage, 0,
                             reinterpret_cast<LPARAM>(
                                 new std::function<void()>([] { taskHandled = true; })));
                return;
            }
            if (taskHandled) {
                posted = false;
                KillTimer(nullptr, timer);
                answering->Answer(box);
            }
        });
        form.Core().RequestClose();
        EXPECT_TRUE(taskHandled);
        EXPECT_TRUE(IsWindow(form.Handle()));
        EXPECT_EQ(form.State().StopRequested, row.Stopped);
        EXPECT_EQ(form.StatusText(),
                  row.Stopped ? "Stoping Getting now, Please Wait..." : "No iPod Detected...");
        form.ShowStatus("No iPod Detected...");
    }
    form.State().Running = false;
}

TEST_F(FormMainWinTest, ADeviceArrivalRescansAndOtherDeviceChangesDoNothing) {
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    const HWND devices = form.Control("iPodSelectorCom");
    ASSERT_EQ(EntryText(devices, 0), "Please connect your iPod");
    const std::string player = sandbox.AddPlayer("late-player");

    constexpr WPARAM kRemoval = 0x8004;
    SendMessageW(form.Handle(), WM_DEVICECHANGE, kRemoval, 0);
    EXPECT_EQ(EntryText(devices, 0), "Please connect your iPod");

    constexpr WPARAM kArrival = 0x8000;
    SendMessageW(form.Handle(), WM_DEVICECHANGE, kArrival, 0);
    EXPECT_EQ(EntryText(devices, 0), " []  " + player);
    EXPECT_EQ(form.StatusText(), "1 iPod detected.");
    EXPECT_EQ(form.State().iPod.DeviceRoot, player);
}

TEST_F(FormMainWinTest, TheBodyDragsTheWindowButControlsAndLabelsDoNot) {
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    struct Row {
        const char* What;
        skin::Point At;
        LRESULT Hit;
    };
    const auto centre = [&](const char* label) {
        const skin::Rect box = *form.LabelBox(label);
        return skin::Point{box.Left + box.Width / 2, box.Top + box.Height / 2};
    };
    const std::vector<Row> rows = {
        {"the title strip", {30, 15}, HTCAPTION}, {"the status line", {100, 14}, HTCAPTION},
        {"a panel", {25, 100}, HTCAPTION},        {"the frame's edge", {1, 150}, HTCAPTION},
        {"Label3", centre("Label3"), HTCLIENT},   {"Label4", centre("Label4"), HTCLIENT},
        {"Label2", centre("Label2"), HTCLIENT},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HitTest(form, row.At.X, row.At.Y), row.Hit) << row.What;
    }
    // A control takes the mouse itself: the window never sees it there.
    for (const char* name : {"ButtonCopy", "XP_ButtonSmall3", "iPodSelectorCom"}) {
        const skin::Rect place = PlaceOf(form.Control(name));
        const POINT inside{place.Left + place.Width / 2, place.Top + place.Height / 2};
        EXPECT_EQ(ChildWindowFromPoint(form.Handle(), inside), form.Control(name)) << name;
    }
}

TEST_F(FormMainWinTest, TheLinksAndTheWebButtonOpenTheMakersPages) {
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    const auto clickLabel = [&](const char* label) {
        const skin::Rect box = *form.LabelBox(label);
        const LPARAM at = MAKELPARAM(box.Left + 3, box.Top + box.Height / 2);
        SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(form.Handle(), WM_LBUTTONUP, 0, at);
    };
    clickLabel("Label4");
    clickLabel("Label5");
    clickLabel("Label3");
    Click(form, "XP_ButtonSmall2");
    EXPECT_EQ(sandbox.Opened,
              (std::vector<std::string>{MakerPageUrl(kSongsAndVideosPage),
                                        MakerPageUrl(kPhotosPage), MakerPageUrl(kHomePage)}));
}

TEST_F(FormMainWinTest, APictureButtonShowsItsHotFaceWhileTheMouseIsOnIt) {
    FormMainWin form(sandbox.Dependencies());
    form.Show();
    const HWND button = form.Control("ButtonCopy");
    // The face as the button paints it, on its shine and upper half.
    const auto centreColour = [&] {
        const Capture capture(button);
        return capture.Pixel(20, 6);
    };
    const COLORREF normal = centreColour();
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    const COLORREF hot = centreColour();
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(centreColour(), normal);
    EXPECT_NE(hot, normal);
}

} // namespace
} // namespace lumbrant
