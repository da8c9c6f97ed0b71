// The settings store on the real settings file and autostart folder.
#include "settings/SettingsFileLinux.h"
#include "settings/SettingsStore.h"
#include "settings/StartupEntryLinux.h"
#include "support/TempFolder.h"
#include "text/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace lumbrant {

using testing::FileContent;
using testing::TempFolder;
namespace {

namespace fs = std::filesystem;

constexpr char kNewFileStart[] =
    "[HKEY_CURRENT_USER\\Software\\Quiller]\r\n"
    "; One value a line: NAME=dword:XXXXXXXX (32-bit integer, hexadecimal) or NAME=\"text\"\r\n";

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { fs::create_directories(workDir_); }

    void StoreSettings(const std::string& content) {
        fs::create_directories(config_ + "/Quiller");
        text::WriteFileAtomic(settingsPath_, content);
    }
    std::string Settings() const { return FileContent(settingsPath_); }
    std::string Log() const { return FileContent(workDir_ + "/Rovad.txt"); }
    std::string LogOf(const std::string& entries) const { return "[Access Log]\r\n" + entries; }

    // What one start of the program holds of its settings: the values, the
    // work folder they set, and the entries it logged.
    struct Start : SettingsValues {
        std::string WorkDir;
        int LogCounter = 0;
    };

    // A fresh start of the program: new state, load, then close.
    Start Restart() {
        Start state;
        Store(state).ReadRegistry();
        return state;
    }
    void Close(Start& state) { Store(state).WriteRegistry(); }
    SettingsStore Store(Start& state) {
        log_.emplace(state.WorkDir, state.LogCounter);
        return SettingsStore(state, state.WorkDir, file_, startup_, executable_, *log_);
    }

    TempFolder folder_;
    const std::string config_ = folder_ / "config";
    const std::string settingsPath_ = config_ + "/Quiller/settings.reg";
    const std::string autostartPath_ = config_ + "/autostart/Quiller.desktop";
    // A blank in the path, so that the Exec line has to quote it.
    const std::string workDir_ = folder_ / "app folder";
    const std::string executable_ = workDir_ + "/Lumbrant";
    SettingsFileLinux file_{config_};
    StartupEntryLinux startup_{config_};
    std::optional<ErrorLog> log_;
};

TEST_F(SettingsStoreTest, FirstStartLogsTheMissingAutomaticModeOnceAndKeepsTheDefaults) {
    Start state = Restart();
    EXPECT_EQ(state.WorkDir, workDir_);
    EXPECT_FALSE(state.AG);
    EXPECT_EQ(state.CountryIndex, 0);
    EXPECT_FALSE(state.HS);
    EXPECT_EQ(state.VE, 0);
    EXPECT_EQ(state.NS, "");
    EXPECT_EQ(state.LogCounter, 1);
    EXPECT_EQ(Log(), LogOf("0=ReadRegistry:Failed to get data for 'AG'\r\n"));

    Close(state);
    EXPECT_EQ(Settings(), std::string(kNewFileStart) +
                              "AG=dword:00000000\r\nHS=dword:00000000\r\n"
                              "CI=dword:00000000\r\nVE=dword:00000000\r\n");
    EXPECT_FALSE(text::FileExists(autostartPath_));
    EXPECT_EQ(std::distance(fs::directory_iterator(config_ + "/Quiller"), {}), 1);
    EXPECT_EQ(state.LogCounter, 1);

    const Start second = Restart();
    EXPECT_EQ(second.LogCounter, 0);
}

TEST_F(SettingsStoreTest, AFileWithoutValuesIsAFirstStartToo) {
    StoreSettings("[HKEY_CURRENT_USER\\Software\\Quiller]\r\n");
    const Start state = Restart();
    EXPECT_EQ(state.WorkDir, workDir_);
    EXPECT_EQ(Log(), LogOf("0=ReadRegistry:Failed to get data for 'AG'\r\n"));
}

TEST_F(SettingsStoreTest, AutomaticModeOnEntersTheProgramInTheStartUpListAtClose) {
    StoreSettings("AG=dword:00000001\r\nCI=dword:00000000\r\nHS=dword:00000000\r\n");
    Start state = Restart();
    EXPECT_TRUE(state.AG);
    EXPECT_FALSE(state.HS);

    Close(state);
    EXPECT_TRUE(state.HS);
    EXPECT_EQ(FileContent(autostartPath_), AutostartFileContent(executable_));
    EXPECT_NE(FileContent(autostartPath_).find("\nExec=\"" + executable_ + "\"\n"),
              std::string::npos);
    EXPECT_EQ(Settings(), "AG=dword:00000001\r\nCI=dword:00000000\r\nHS=dword:00000001\r\n"
                          "VE=dword:00000000\r\n");
    EXPECT_EQ(Restart().LogCounter, 0);
}

TEST_F(SettingsStoreTest, AnyNonzeroIntegerIsTrue) {
    StoreSettings("AG=dword:80000000\nCI=dword:0\nHS=dword:ffffffff\n");
    const Start state = Restart();
    EXPECT_TRUE(state.AG);
    EXPECT_TRUE(state.HS);
}

TEST_F(SettingsStoreTest, AutomaticModeOffOrMissingRemovesTheStartUpEntry) {
    for (const std::string stored : {"AG=dword:00000000\nCI=dword:0\nHS=dword:1\n", ""}) {
        SCOPED_TRACE(stored);
        StoreSettings(stored);
        fs::create_directories(config_ + "/autostart");
        text::WriteFileAtomic(autostartPath_, "[Desktop Entry]\n");
        Start state = Restart();
        state.HS = true;
        Close(state);
        EXPECT_FALSE(state.HS);
        EXPECT_FALSE(text::FileExists(autostartPath_));
        EXPECT_FALSE(Restart().HS);
    }
}

TEST_F(SettingsStoreTest, TheCountryIndexIsKeptAndWrittenBack) {
    StoreSettings("AG=dword:0\nCI=dword:1\nHS=dword:0\n");
    Start state = Restart();
    EXPECT_EQ(state.CountryIndex, 1);
    Close(state);
    EXPECT_EQ(Restart().CountryIndex, 1);

    state.CountryIndex = 0;
    Close(state);
    EXPECT_EQ(Restart().CountryIndex, 0);
}

TEST_F(SettingsStoreTest, TheVersionValueIsWrittenBackUnchangedAndZeroWhenNeverStored) {
    const struct {
        std::string Stored;
        int Expected;
        std::string Written;
    } rows[] = {
        {"", 0, "VE=dword:00000000"},
        {"VE=dword:00000007\r\n", 7, "VE=dword:00000007"},
        {"VE=dword:ffffffff\r\n", -1, "VE=dword:ffffffff"},
        {"ve=dword:7FFFFFFF\r\n", 2147483647, "VE=dword:7fffffff"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Stored);
        StoreSettings("AG=dword:0\r\nCI=dword:0\r\nHS=dword:0\r\n" + row.Stored);
        Start state = Restart();
        EXPECT_EQ(state.VE, row.Expected);
        EXPECT_EQ(state.LogCounter, 0);
        Close(state);
        Close(state);
        EXPECT_NE(Settings().find(row.Written + "\r\n"), std::string::npos);
        EXPECT_EQ(Restart().VE, row.Expected);
    }
}

// What a start keeps when the reading stops at a value: those before it.
struct StopRow {
    const char* Stored;
    bool AG;
    int CountryIndex;
    bool HS;
    int VE;
    const char* Logged;
};

TEST_F(SettingsStoreTest, AMissingOrWronglyTypedValueStopsTheReadingThere) {
    const std::vector<StopRow> rows = {
        {"AG=dword:1\nCI=\"1\"\nHS=dword:1\nVE=dword:5\n", true, 0, false, 0,
         "Invalid data type for 'CI'"},
        {"AG=dword:1\nCI=dword:1\nVE=dword:5\n", true, 1, false, 0, "Failed to get data for 'HS'"},
        {"AG=dword:1\nCI=dword:1\nHS=dword:1\nVE=\"5\"\n", true, 1, true, 0,
         "Invalid data type for 'VE'"},
    };
    for (const StopRow& row : rows) {
        fs::remove(workDir_ + "/Rovad.txt");
        StoreSettings(row.Stored);
        const Start state = Restart();
        EXPECT_EQ(state.AG, row.AG) << row.Stored;
        EXPECT_EQ(state.CountryIndex, row.CountryIndex) << row.Stored;
        EXPECT_EQ(state.HS, row.HS) << row.Stored;
        EXPECT_EQ(state.VE, row.VE) << row.Stored;
        EXPECT_EQ(Log(), LogOf(std::string("0=ReadRegistry:") + row.Logged + "\r\n")) << row.Stored;
    }
}

TEST_F(SettingsStoreTest, ValuesTheProgramDoesNotKnowAreKeptOnSave) {
    StoreSettings("[HKEY_CURRENT_USER\\Software\\Quiller]\n"
                  "# by hand\n"
                  "Window=dword:00000010\n"
                  "AG=dword:00000000\n"
                  "Name=\"someone\"\n"
                  "Blob=hex:01,02\n"
                  "CI=dword:00000001\n"
                  "HS=dword:00000000\n");
    Start state = Restart();
    Close(state);
    EXPECT_EQ(Settings(), "[HKEY_CURRENT_USER\\Software\\Quiller]\r\n"
                          "# by hand\r\n"
                          "Window=dword:00000010\r\n"
                          "AG=dword:00000000\r\n"
                          "Name=\"someone\"\r\n"
                          "Blob=hex:01,02\r\n"
                          "CI=dword:00000001\r\n"
                          "HS=dword:00000000\r\n"
                          "VE=dword:00000000\r\n");
}

TEST_F(SettingsStoreTest, ACorruptFileLosesNothingThatCouldBeRead) {
    const std::string garbage = std::string("\x01\xff\xfe garbage \0\0 here", 19);
    const std::string nulLine = std::string("X=dword:1\0tail", 14);
    StoreSettings(garbage + "\r\nAG=dword:00000001\n" + nulLine + "\r\n\r\r\n=\nCI=dword:0000\n" +
                  "HS=dword:1\r\nVE=dword:0000002a\nNS=\"http://127.0");
    Start state = Restart();
    EXPECT_TRUE(state.AG);
    EXPECT_EQ(state.CountryIndex, 0);
    EXPECT_TRUE(state.HS);
    EXPECT_EQ(state.VE, 42);
    EXPECT_EQ(state.NS, "");
    EXPECT_EQ(Log(), LogOf("0=ReadRegistry:Invalid data type for 'NS'\r\n"));

    Close(state);
    EXPECT_EQ(Settings(), garbage + "\r\nAG=dword:00000001\r\n" + nulLine +
                              "\r\n\r\r\n=\r\nCI=dword:00000000\r\nHS=dword:00000001\r\n"
                              "VE=dword:0000002a\r\nNS=\"http://127.0\r\n");
}

TEST_F(SettingsStoreTest, RandomBytesNeverStopTheProgramAndTheSaveIsReadable) {
    std::uint32_t seed = 12345;
    for (int round = 0; round < 50; ++round) {
        std::string bytes;
        for (int i = 0; i < 300; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const char pick = static_cast<char>(seed >> 24);
            // Plenty of line ends, quotes and the characters of the value forms.
            bytes += (seed & 7) == 0 ? "\n=\"dword:"[seed % 9] : pick;
        }
        StoreSettings(bytes);
        Start state = Restart();
        state.AG = round % 2 == 0;
        state.CountryIndex = round;
        Close(state);
        const Start again = Restart();
        EXPECT_EQ(again.AG, round % 2 == 0);
        EXPECT_EQ(again.CountryIndex, round);
        EXPECT_EQ(again.HS, round % 2 == 0);
    }
}

TEST_F(SettingsStoreTest, TheNewsServiceIsReadEvenOnAFirstStartAndNeverWritten) {
    StoreSettings("NS=\"http://127.0.0.1:8080\"\r\n");
    Start state = Restart();
    EXPECT_EQ(state.NS, "http://127.0.0.1:8080");
    EXPECT_EQ(Log(), LogOf("0=ReadRegistry:Failed to get data for 'AG'\r\n"));

    state.NS = "http://changed.example";
    Close(state);
    EXPECT_EQ(Settings(), "NS=\"http://127.0.0.1:8080\"\r\nAG=dword:00000000\r\n"
                          "HS=dword:00000000\r\nCI=dword:00000000\r\nVE=dword:00000000\r\n");
    EXPECT_EQ(Restart().NS, "http://127.0.0.1:8080");
}

TEST_F(SettingsStoreTest, AStartUpListThatCannotBeOpenedLeavesHsUnwritten) {
    fs::create_directories(config_);
    text::WriteFileAtomic(config_ + "/autostart", "not a folder");
    Start state;
    state.AG = true;
    state.CountryIndex = 1;
    state.WorkDir = workDir_;
    Close(state);
    EXPECT_FALSE(state.HS);
    EXPECT_EQ(Settings(), std::string(kNewFileStart) +
                              "AG=dword:00000001\r\nCI=dword:00000001\r\nVE=dword:00000000\r\n");
    EXPECT_EQ(Log(), "<missing>");
}

TEST_F(SettingsStoreTest, ASaveThatFailsIsLoggedAndTouchesNothingElse) {
    fs::create_directories(config_);
    text::WriteFileAtomic(config_ + "/Quiller", "not a folder");
    fs::create_directories(config_ + "/autostart");
    text::WriteFileAtomic(autostartPath_, "kept");
    Start state = Restart();
    Close(state);
    EXPECT_EQ(Log(), LogOf("0=ReadRegistry:Failed to get data for 'AG'\r\n"
                           "1=WriteRegistry:Cannot create folder \"" +
                           config_ + "/Quiller\". Not a directory\r\n"));
    EXPECT_EQ(FileContent(autostartPath_), "kept");
}

} // namespace
} // namespace lumbrant
