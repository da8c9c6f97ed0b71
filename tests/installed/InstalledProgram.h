#pragma once

// The Windows program as its installer lays it out for the current user,
// started as a user starts it and driven from outside its process: clicks
// on its controls where the Linux window has them, keys on its boxes.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace lumbrant::installed {

// %LOCALAPPDATA%\Programs\Lumbrant
std::filesystem::path InstallFolder();
// The Start menu's entry of the current user.
std::filesystem::path StartMenuEntry();
// The uninstaller's entry in the current user's list of programs.
bool UninstallEntryExists();

// Runs a program with its arguments and waits for it; answers its exit
// status, or nothing when it did not end within the limit.
std::optional<DWORD> RunAndWait(const std::filesystem::path& program, const std::wstring& arguments,
                                std::chrono::seconds limit);

// The settings key "Software\Quiller" of the current user.
void WriteSettings(const std::string& newsService);
std::optional<DWORD> ReadSetting(const char* name);
void DeleteSettings();

class InstalledProgram {
public:
    InstalledProgram();
    ~InstalledProgram();
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    std::filesystem::path WorkDir() const { return InstallFolder(); }
    std::filesystem::path NewsFolder() const { return WorkDir() / "news"; }
    std::filesystem::path LogFile() const { return WorkDir() / "Rovad.txt"; }

    // Starts the program and waits until its main window shows; answers
    // what went wrong, or nothing.
    std::string Start();
    // Starts the program and waits for nothing.
    bool Launch();
    bool Running() const;
    std::optional<DWORD> WaitForExit(std::chrono::seconds limit) const;

    // The process's visible windows titled title: the main window is ".",
    // its boxes "Lumbrant".
    std::vector<HWND> Windows(const std::wstring& title) const;
    bool WaitForBox(HWND& box) const;
    bool WaitUntilGone(HWND window) const;

    bool PressGetNews() const; // also the Stop button while a run is on
    bool PressClose() const;
    // Moves the country selector's choice down by one entry.
    bool ChooseNextCountry() const;
    // Types a character on a box ('n', 'y', or '\r' for its default button).
    static bool Answer(HWND box, wchar_t key);

private:
    HWND ControlAt(int x, int y) const;
    bool Press(int x, int y) const;

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

} // namespace lumbrant::installed
