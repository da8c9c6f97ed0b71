#include "installed/InstalledProgram.h"

#include "support/Polling.h"

#include <shlobj.h>

namespace lumbrant::installed {

namespace {

using namespace std::chrono_literals;

constexpr auto kWindowLimit = 30s;
constexpr const char* kSettingsKey = "Software\\Quiller";
constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumbrant";

// The Linux window's controls, in the window's own coordinates.
constexpr POINT kGetNews{202, 259};
constexpr POINT kClose{377, 15};
constexpr POINT kCountry{199, 214};

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SHGetKnownFolderPath(id, 0, nullptr, &path) == S_OK) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

struct Search {
    DWORD Process;
    std::wstring Title;
    std::vector<HWND> Found;
};

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (process == search.Process && IsWindowVisible(window) && search.Title == title) {
        search.Found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::filesystem::path InstallFolder() {
    return KnownFolder(FOLDERID_LocalAppData) / "Programs" / "Lumbrant";
}

std::filesystem::path StartMenuEntry() {
    return KnownFolder(FOLDERID_Programs) / "Lumbrant.lnk";
}

bool UninstallEntryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<DWORD> RunAndWait(const std::filesystem::path& program, const std::wstring& arguments,
                                std::chrono::seconds limit) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    std::optional<DWORD> status;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit.count() * 1000)) ==
        WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        status = code;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

void WriteSettings(const std::string& newsService) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    // All three integers present, so that the first start logs nothing.
    for (const char* name : {"AG", "CI", "HS"}) {
        const DWORD zero = 0;
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    }
    RegSetValueExA(key, "NS", 0, REG_SZ, reinterpret_cast<const BYTE*>(newsService.c_str()),
                   static_cast<DWORD>(newsService.size() + 1));
    RegCloseKey(key);
}

std::optional<DWORD> ReadSetting(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void DeleteSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

InstalledProgram::InstalledProgram() = default;

InstalledProgram::~InstalledProgram() {
    if (process_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

bool InstalledProgram::Launch() {
    std::wstring commandLine = L"\"" + (WorkDir() / "Lumbrant.exe").wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const std::wstring folder = WorkDir().wstring();
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process_) != 0;
}

std::string InstalledProgram::Start() {
    if (!Launch()) {
        return "the program could not be started";
    }
    e2e::WaitUntil(
        [&] {
            const auto windows = Windows(L".");
            main_ = windows.empty() ? nullptr : windows.front();
            return main_ != nullptr || !Running();
        },
        kWindowLimit);
    if (main_ != nullptr) {
        return {};
    }
    return Running() ? "the window did not show" : "the program ended at start";
}

bool InstalledProgram::Running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> InstalledProgram::WaitForExit(std::chrono::seconds limit) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count() * 1000)) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<HWND> InstalledProgram::Windows(const std::wstring& title) const {
    Search search{process_.dwProcessId, title, {}};
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool InstalledProgram::WaitForBox(HWND& box) const {
    return e2e::WaitUntil(
        [&] {
            const auto boxes = Windows(L"Lumbrant");
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        kWindowLimit);
}

bool InstalledProgram::WaitUntilGone(HWND window) const {
    return e2e::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); },
                          kWindowLimit);
}

HWND InstalledProgram::ControlAt(int x, int y) const {
    const HWND control =
        ChildWindowFromPointEx(main_, POINT{x, y}, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    return control == main_ ? nullptr : control;
}

bool InstalledProgram::Press(int x, int y) const {
    const HWND button = ControlAt(x, y);
    return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

bool InstalledProgram::PressGetNews() const {
    return Press(kGetNews.x, kGetNews.y);
}

bool InstalledProgram::PressClose() const {
    return Press(kClose.x, kClose.y);
}

bool InstalledProgram::ChooseNextCountry() const {
    const HWND selector = ControlAt(kCountry.x, kCountry.y);
    if (selector == nullptr) {
        return false;
    }
    const auto next = SendMessageW(selector, CB_GETCURSEL, 0, 0) + 1;
    if (SendMessageW(selector, CB_SETCURSEL, static_cast<WPARAM>(next), 0) != next) {
        return false;
    }
    // What the selector tells its window when the user has picked the entry.
    return PostMessageW(main_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(selector), CBN_SELENDOK),
                        reinterpret_cast<LPARAM>(selector)) != 0;
}

bool InstalledProgram::Answer(HWND box, wchar_t key) {
    if (key == L'\r') {
        return PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0) != 0;
    }
    return PostMessageW(box, WM_CHAR, key, 0) != 0;
}

} // namespace lumbrant::installed
