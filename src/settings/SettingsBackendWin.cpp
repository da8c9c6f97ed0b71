// The settings key in the current user's registry.
#include "settings/RegistryKeyWin.h"
#include "settings/SettingsBackend.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace lumbrant {

namespace {

constexpr char kSettingsKey[] = "Software\\Quiller";

std::runtime_error SetDataError(std::string_view name) {
    return std::runtime_error("Failed to set data for '" + std::string(name) + "'");
}

class SettingsBackendWin : public SettingsBackend {
public:
    bool OpenKey() override { return key_.OpenForReading(); }

    void CreateKey() override {
        if (!key_.OpenForWriting()) {
            throw std::runtime_error("Failed to create key 'Software\\Quiller'");
        }
    }

    IntegerRead ReadInteger(std::string_view name) override {
        const std::string valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        if (key_.Handle() == nullptr || RegQueryValueExA(key_.Handle(), valueName.c_str(), nullptr,
                                                         &type, nullptr, &size) != ERROR_SUCCESS) {
            return {};
        }
        if (type != REG_DWORD) {
            return {ValueRead::WrongType, 0};
        }
        DWORD value = 0;
        size = sizeof value;
        if (RegQueryValueExA(key_.Handle(), valueName.c_str(), nullptr, &type,
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
        if (key_.Handle() == nullptr || RegQueryValueExA(key_.Handle(), valueName.c_str(), nullptr,
                                                         &type, nullptr, &size) != ERROR_SUCCESS) {
            return {};
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            return {ValueRead::WrongType, {}};
        }
        // One byte more, so that data stored without its terminating NUL still ends in one.
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
        size = static_cast<DWORD>(buffer.size() - 1);
        if (RegQueryValueExA(key_.Handle(), valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return {};
        }
        return {ValueRead::Ok, std::string(buffer.data())};
    }

    void WriteInteger(std::string_view name, std::int32_t value) override {
        if (!key_.SetDword(name, static_cast<DWORD>(value))) {
            throw SetDataError(name);
        }
    }

    void WriteString(std::string_view name, std::string_view value) override {
        if (!key_.SetString(name, value)) {
            throw SetDataError(name);
        }
    }

    void DeleteValue(std::string_view name) override {
        if (!key_.DeleteValue(name)) {
            throw std::runtime_error("Failed to delete value '" + std::string(name) + "'");
        }
    }

    void CloseKey() noexcept override { key_.Close(); }

private:
    RegistryKey key_{kSettingsKey};
};

} // namespace

std::unique_ptr<SettingsBackend> MakeSettingsBackend() {
    return std::make_unique<SettingsBackendWin>();
}

} // namespace lumbrant
