// The settings store on the registry: the values under the current user's
// "Software\Quiller" and the "Run" entry, read and written through the real
// registry backends. HKEY_CURRENT_USER stands for a key of the test's own.

#include "settings/SettingsStore.h"
#include "support/FolderLog.h"
#include "support/PrivateSettings.h"

#include <gtest/gtest.h>
#include <optional>
#include <windows.h>

namespace lumbrant {
namespace {

constexpr char kSettingsKey[] = "Software\\Quiller";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RawValue {
    DWORD Type = REG_NONE;
    std::string Data;
    bool operator==(const RawValue&) const = default;
};

std::optional<RawValue> ReadRaw(const char* key, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExA(opened, name, nullptr, &value.Type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.Data.resize(size);
        status = RegQueryValueExA(opened, name, nullptr, &value.Type,
                                  reinterpret_cast<BYTE*>(value.Data.data()), &size);
    }
    RegCloseKey(opened);
    return status == ERROR_SUCCESS ? std::optional(value) : std::nullopt;
}

void WriteRaw(const char* name, DWORD type, const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

RawValue Dword(DWORD value) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

RawValue String(const std::string& text) {
    return {REG_SZ, text + '\0'};
}

// Passes every call on to the real backends and notes the writes in order.
class RecordingBackend : public SettingsBackend {
public:
    RecordingBackend(SettingsBackend& real, std::vector<std::string>& writes)
        : real_(real), writes_(writes) {}
    bool OpenKey() override { return real_.OpenKey(); }
    void CreateKey() override { real_.CreateKey(); }
    IntegerRead ReadInteger(std::string_view name) override { return real_.ReadInteger(name); }
    StringRead ReadString(std::string_view name) override { return real_.ReadString(name); }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        writes_.emplace_back(name);
        real_.WriteInteger(name, value);
    }
    void WriteString(std::string_view name, std::string_view value) override {
        writes_.emplace_back(name);
        real_.WriteString(name, value);
    }
    void DeleteValue(std::string_view name) override { real_.DeleteValue(name); }
    void CloseKey() noexcept override { real_.CloseKey(); }

private:
    SettingsBackend& real_;
    std::vector<std::string>& writes_;
};

class RecordingStartup : public StartupEntry {
public:
    RecordingStartup(StartupEntry& real, std::vector<std::string>& writes)
        : real_(real), writes_(writes) {}
    bool Open() override { return real_.Open(); }
    void Set(const std::string& executablePath) override {
        writes_.push_back("Run set");
        real_.Set(executablePath);
    }
    void Remove() override {
        writes_.push_back("Run removed");
        real_.Remove();
    }
    void Close() noexcept override { real_.Close(); }

private:
    StartupEntry& real_;
    std::vector<std::string>& writes_;
};

class RegistrySettingsTest : public ::testing::Test {
protected:
    SettingsStore Store() {
        return SettingsStore(values_, workDir_, backend_, startup_, executable_, log_.Log);
    }

    testing::TempFolder folder_;
    testing::FolderLog log_{folder_.Path().string()};
    testing::PrivateSettings registry_{folder_.Path()};
    std::vector<std::string> writes_;
    RecordingBackend backend_{registry_.Backend(), writes_};
    RecordingStartup startup_{registry_.Startup(), writes_};
    SettingsValues values_;
    std::string workDir_;
    const std::string executable_ = folder_.Path().string() + "\\Lumbrant.exe";
};

TEST_F(RegistrySettingsTest, AFirstStartFindsNoValuesAndTheSaveWritesDwordsAndTheRunEntry) {
    Store().ReadRegistry();
    EXPECT_EQ(workDir_, folder_.Path().string());
    EXPECT_EQ(log_.Entries(), std::vector<std::string>{"ReadRegistry:Failed to get data for 'AG'"});
    EXPECT_FALSE(values_.AG);
    EXPECT_EQ(values_.NS, "");

    values_.AG = true;
    values_.CountryIndex = 1;
    values_.VE = 7;
    Store().WriteRegistry();
    EXPECT_EQ(writes_, (std::vector<std::string>{"AG", "Run set", "HS", "CI", "VE"}));
    EXPECT_EQ(ReadRaw(kSettingsKey, "AG"), Dword(1));
    EXPECT_EQ(ReadRaw(kSettingsKey, "HS"), Dword(1));
    EXPECT_EQ(ReadRaw(kSettingsKey, "CI"), Dword(1));
    EXPECT_EQ(ReadRaw(kSettingsKey, "VE"), Dword(7));
    EXPECT_EQ(ReadRaw(kSettingsKey, "NS"), std::nullopt);
    EXPECT_EQ(ReadRaw(kRunKey, "Quiller"), String(executable_));

    values_ = {};
    Store().ReadRegistry();
    EXPECT_TRUE(values_.AG);
    EXPECT_TRUE(values_.HS);
    EXPECT_EQ(values_.CountryIndex, 1);
    EXPECT_EQ(values_.VE, 7);

    writes_.clear();
    values_.AG = false;
    Store().WriteRegistry();
    EXPECT_EQ(writes_, (std::vector<std::string>{"AG", "Run removed", "HS", "CI", "VE"}));
    EXPECT_EQ(ReadRaw(kSettingsKey, "AG"), Dword(0));
    EXPECT_EQ(ReadRaw(kSettingsKey, "HS"), Dword(0));
    EXPECT_EQ(ReadRaw(kRunKey, "Quiller"), std::nullopt);
    EXPECT_EQ(log_.Entries().size(), 1u);
}

TEST_F(RegistrySettingsTest, AWronglyTypedCountryStopsTheReadingAndTheServiceIsReadOnItsOwn) {
    WriteRaw("AG", REG_DWORD, Dword(1).Data);
    WriteRaw("CI", REG_SZ, String("1").Data);
    WriteRaw("HS", REG_DWORD, Dword(1).Data);
    WriteRaw("NS", REG_SZ, String("http://127.0.0.1:8080").Data);
    Store().ReadRegistry();
    EXPECT_EQ(log_.Entries(), std::vector<std::string>{"ReadRegistry:Invalid data type for 'CI'"});
    EXPECT_TRUE(values_.AG);
    EXPECT_FALSE(values_.HS);
    EXPECT_EQ(values_.CountryIndex, 0);
    EXPECT_EQ(values_.NS, "http://127.0.0.1:8080");

    Store().WriteRegistry();
    EXPECT_EQ(std::count(writes_.begin(), writes_.end(), "NS"), 0);
    EXPECT_EQ(ReadRaw(kSettingsKey, "CI"), Dword(0));
    EXPECT_EQ(ReadRaw(kSettingsKey, "NS"), String("http://127.0.0.1:8080"));
}

} // namespace
} // namespace lumbrant
