// The start-up entry as the "Run" value of the current user's registry.
#include "settings/StartupEntry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <stdexcept>
#include <windows.h>

namespace lumbrant {

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupEntryWin : public StartupEntry {
public:
    StartupEntryWin() = default;
    StartupEntryWin(const StartupEntryWin&) = delete;
    StartupEntryWin& operator=(const StartupEntryWin&) = delete;
    ~StartupEntryWin() override { Close(); }

    bool Open() override {
        Close();
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        key_ = key;
        return true;
    }

    // The path goes in as it is, without quotes.
    void Set(const std::string& executablePath) override {
        if (key_ == nullptr ||
            RegSetValueExA(key_, kStartupEntryName, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(executablePath.c_str()),
                           static_cast<DWORD>(executablePath.size() + 1)) != ERROR_SUCCESS) {
            throw std::runtime_error(std::string("Failed to set data for '") + kStartupEntryName +
                                     "'");
        }
    }

    void Remove() override {
        const LONG status =
            key_ == nullptr ? LONG{ERROR_INVALID_HANDLE} : RegDeleteValueA(key_, kStartupEntryName);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            throw std::runtime_error(std::string("Failed to delete value '") + kStartupEntryName +
                                     "'");
        }
    }

    void Close() noexcept override {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }

private:
    HKEY key_ = nullptr;
};

} // namespace

std::unique_ptr<StartupEntry> MakeStartupEntry() {
    return std::make_unique<StartupEntryWin>();
}

} // namespace lumbrant
