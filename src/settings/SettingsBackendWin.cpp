// The settings key in the current user's registry.
#include "settings/SettingsBackend.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

namespace lumbrant {

namespace {

constexpr char kSettingsKey[] = "Software\\Quiller";

std::runtime_error SetDataError(std::string_view name) {
    return std::runtime_error("Failed to set data for '" + std::string(name) + "'");
}

class SettingsBackendWin : public SettingsBackend {
public:
    SettingsBackendWin() = default;
    SettingsBackendWin(const SettingsBackendWin&) = delete;
    SettingsBackendWin& operator=(const SettingsBackendWin&) = delete;
    ~SettingsBackendWin() override { CloseKey(); }

    bool OpenKey() override {
        CloseKey();
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        key_ = key;
        return true;
    }

    void CreateKey() override {
        CloseKey();
        HKEY key = nullptr;
        const LONG status =
            RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
        if (status != ERROR_SUCCESS) {
            throw std::runtime_error("Failed to create key 'Software\\Quiller'");
        }
        key_ = key;
    }

    IntegerRead ReadInteger(std::string_view name) override {
        const std::string valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        if (key_ == nullptr || RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr,
                                                &size) != ERROR_SUCCESS) {
            return {};
        }
        if (type != REG_DWORD) {
            return {ValueRead::WrongType, 0};
        }
        DWORD value = 0;
        size = sizeof value;
        if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof value) {
            return {};
        }
        return {ValueRead::Ok, static_cast<std::int32_t>(value)};
    }

    StringRead ReadString(std::string_view name) override {
        const std::string valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        if (key_ == nullptr || RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr,
                                                &size) != ERROR_SUCCESS) {
            return {};
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            return {ValueRead::WrongType, {}};
        }
        // One byte more, so that data stored without its terminating NUL still ends in one.
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
        size = static_cast<DWORD>(buffer.size() - 1);
        if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return {};
        }
        return {ValueRead::Ok, std::string(buffer.data())};
    }

    void WriteInteger(std::string_view name, std::int32_t value) override {
        const std::string valueName(name);
        const auto data = static_cast<DWORD>(value);
        if (key_ == nullptr ||
            RegSetValueExA(key_, valueName.c_str(), 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&data), sizeof data) != ERROR_SUCCESS) {
            throw SetDataError(name);
        }
    }

    void WriteString(std::string_view name, std::string_view value) override {
        const std::string valueName(name);
        const std::string data(value);
        if (key_ == nullptr ||
            RegSetValueExA(key_, valueName.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1)) != ERROR_SUCCESS) {
            throw SetDataError(name);
        }
    }

    void DeleteValue(std::string_view name) override {
        const std::string valueName(name);
        if (key_ == nullptr) {
            throw std::runtime_error("Failed to delete value '" + valueName + "'");
        }
        const LONG status = RegDeleteValueA(key_, valueName.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            throw std::runtime_error("Failed to delete value '" + valueName + "'");
        }
    }

    void CloseKey() noexcept override {
        if (key_ != nullptr) {
            RegCloseKey(key_);
            key_ = nullptr;
        }
    }

private:
    HKEY key_ = nullptr;
};

} // namespace

std::unique_ptr<SettingsBackend> MakeSettingsBackend() {
    return std::make_unique<SettingsBackendWin>();
}

} // namespace lumbrant
