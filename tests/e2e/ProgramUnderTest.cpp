#include "e2e/ProgramUnderTest.h"

#include "support/Polling.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace lumbrant::e2e {

namespace {

using namespace std::chrono_literals;

// The window's controls, in the window's own coordinates (it is 402 x 301).
constexpr int kGetNewsX = 202, kGetNewsY = 259;
constexpr int kCloseX = 377, kCloseY = 15;
constexpr int kCountryX = 199, kCountryY = 214;

constexpr auto kWindowLimit = 30s;

} // namespace

ProgramUnderTest::ProgramUnderTest(const std::filesystem::path& executable,
                                   const std::filesystem::path& root,
                                   const std::string& newsService, std::string display)
    : root_(root), display_(std::move(display)), driver_(display_) {
    std::filesystem::create_directories(WorkDir());
    std::filesystem::copy_file(executable, WorkDir() / "Lumbrant");
    std::filesystem::create_directories(SettingsFile().parent_path());
    // All three integers present, so that the first start logs nothing.
    std::ofstream(SettingsFile(), std::ios::binary)
        << "[HKEY_CURRENT_USER\\Software\\Quiller]\r\n"
        << "AG=dword:00000000\r\nCI=dword:00000000\r\nHS=dword:00000000\r\n"
        << "NS=\"" << newsService << "\"\r\n";
    std::filesystem::create_directories(root_ / "runtime");
    std::filesystem::permissions(root_ / "runtime", std::filesystem::perms::owner_all);
}

Launch ProgramUnderTest::ProgramLaunch() const {
    Launch launch;
    launch.Arguments = {(WorkDir() / "Lumbrant").string()};
    launch.Environment = {{"DISPLAY", display_},
                          {"QT_QPA_PLATFORM", "xcb"},
                          {"XDG_CONFIG_HOME", (root_ / "config").string()},
                          {"XDG_RUNTIME_DIR", (root_ / "runtime").string()}};
    launch.WorkingFolder = root_.string();
    launch.OutputFile = OutputFile().string();
    return launch;
}

std::string ProgramUnderTest::Start() {
    process_ = std::make_unique<ChildProcess>(ProgramLaunch());
    WaitUntil(
        [&] {
            const auto windows = driver_.VisibleWindows(process_->Pid(), "^\\.$");
            if (!windows.empty()) {
                mainWindow_ = windows.front();
            }
            return !mainWindow_.empty() || !process_->Running();
        },
        kWindowLimit);
    if (!mainWindow_.empty()) {
        return {};
    }
    std::ifstream in(OutputFile(), std::ios::binary);
    const std::string output((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    return std::string(process_->Running() ? "the window did not show"
                                           : "the program ended at start") +
           "; its output: " + output;
}

bool ProgramUnderTest::MainWindowVisible() const {
    const auto windows = driver_.VisibleWindows(process_->Pid(), "^\\.$");
    return std::find(windows.begin(), windows.end(), mainWindow_) != windows.end();
}

std::vector<std::string> ProgramUnderTest::MessageBoxes() const {
    return MessageBoxesOf(process_->Pid());
}

std::vector<std::string> ProgramUnderTest::MessageBoxesOf(pid_t pid) const {
    return driver_.VisibleWindows(pid, "^Lumbrant$");
}

bool ProgramUnderTest::WaitForMessageBox(std::string& box) const {
    return WaitForMessageBoxOf(process_->Pid(), box);
}

bool ProgramUnderTest::WaitForMessageBoxOf(pid_t pid, std::string& box) const {
    return WaitUntil(
        [&] {
            const auto boxes = MessageBoxesOf(pid);
            if (boxes.empty()) {
                return false;
            }
            box = boxes.front();
            return true;
        },
        kWindowLimit);
}

std::optional<int> ProgramUnderTest::StartAnotherAndAnswerItsBox() {
    ChildProcess another(ProgramLaunch());
    std::string box;
    if (!WaitForMessageBoxOf(another.Pid(), box) || !Answer(box, "Return")) {
        return std::nullopt;
    }
    return another.WaitForExit(kExitLimit);
}

bool ProgramUnderTest::WaitUntilGone(const std::string& window) const {
    return WaitUntil(
        [&] {
            const auto windows = driver_.VisibleWindows(process_->Pid());
            return std::find(windows.begin(), windows.end(), window) == windows.end();
        },
        kWindowLimit);
}

bool ProgramUnderTest::PressGetNews() const {
    return driver_.Click(mainWindow_, kGetNewsX, kGetNewsY);
}

bool ProgramUnderTest::PressClose() const {
    return driver_.Click(mainWindow_, kCloseX, kCloseY);
}

bool ProgramUnderTest::ChooseNextCountry() const {
    if (!driver_.Click(mainWindow_, kCountryX, kCountryY)) {
        return false;
    }
    // The drop-down list is a window of its own; keys go to it once it shows.
    std::string list;
    const bool opened = WaitUntil(
        [&] {
            for (const auto& window : driver_.VisibleWindows(process_->Pid())) {
                if (window != mainWindow_) {
                    list = window;
                }
            }
            return !list.empty();
        },
        kWindowLimit);
    return opened && driver_.Keys({"Down", "Return"}) && WaitUntilGone(list);
}

bool ProgramUnderTest::Answer(const std::string& box, const std::string& key) const {
    return driver_.Keys(box, {key});
}

} // namespace lumbrant::e2e
