#pragma once

// The built program in a WorkDir of its own (it writes beside its
// executable), with its own settings pointing at the local news service,
// shown on a private display and driven by pointer and keys.

#include "e2e/ChildProcess.h"
#include "e2e/WindowDriver.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant::e2e {

class ProgramUnderTest {
public:
    // Copies the program into root/app and writes its settings under
    // root/config; nothing runs yet.
    ProgramUnderTest(const std::filesystem::path& executable, const std::filesystem::path& root,
                     const std::string& newsService, std::string display);

    std::filesystem::path WorkDir() const { return root_ / "app"; }
    std::filesystem::path NewsFolder() const { return WorkDir() / "news"; }
    std::filesystem::path LogFile() const { return WorkDir() / "Rovad.txt"; }
    std::filesystem::path SettingsFile() const { return root_ / "config/Quiller/settings.reg"; }
    std::filesystem::path OutputFile() const { return root_ / "program.log"; }

    // Starts the program and waits until its main window shows; answers
    // what went wrong, or nothing.
    std::string Start();
    bool Running() { return process_ && process_->Running(); }
    bool MainWindowVisible() const;

    // The program's message boxes on screen; they carry the program's name as
    // title, the main window ".".
    std::vector<std::string> MessageBoxes() const;
    bool WaitForMessageBox(std::string& box) const;
    bool WaitUntilGone(const std::string& window) const;

    bool PressGetNews() const; // also the Stop button while a run is on
    bool PressClose() const;
    // Opens the country selector and moves the choice down by one entry.
    bool ChooseNextCountry() const;
    bool Answer(const std::string& box, const std::string& key) const;

    // Starts the program once more in the same WorkDir and answers the box it
    // shows with Return; answers its exit status, or nothing when it showed
    // no box or did not end.
    std::optional<int> StartAnotherAndAnswerItsBox();

    // The exit status once the program has ended by itself within the limit.
    std::optional<int> WaitForExit() { return process_->WaitForExit(kExitLimit); }

private:
    static constexpr std::chrono::seconds kExitLimit{20};

    Launch ProgramLaunch() const;
    std::vector<std::string> MessageBoxesOf(pid_t pid) const;
    bool WaitForMessageBoxOf(pid_t pid, std::string& box) const;

    std::filesystem::path root_;
    std::string display_;
    WindowDriver driver_;
    std::unique_ptr<ChildProcess> process_;
    std::string mainWindow_;
};

} // namespace lumbrant::e2e
