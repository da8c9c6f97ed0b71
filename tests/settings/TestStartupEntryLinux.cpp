// The autostart file and the settings file's place in the configuration folder.
#include "settings/ConfigFolder.h"
#include "settings/SettingsFileLinux.h"
#include "settings/StartupEntryLinux.h"
#include "support/TempFolder.h"
#include "text/FileIo.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace lumbrant {

using testing::FileContent;
using testing::TempFolder;
namespace {

namespace fs = std::filesystem;

TEST(DesktopExecValue, QuotesEscapesAndDoublesPercentsAsDesktopEntriesNeed) {
    const std::pair<std::string, std::string> rows[] = {
        {"/usr/bin/lumbrant", "/usr/bin/lumbrant"},
        {"/opt/my app/Lumbrant", "\"/opt/my app/Lumbrant\""},
        {"/opt/100%/Lumbrant", "/opt/100%%/Lumbrant"},
        {"/opt/a b%/L", "\"/opt/a b%%/L\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/$HOME", "\"/opt/\\\\$HOME\""},
        {"/opt/say \"hi\"", "\"/opt/say \\\\\"hi\\\\\"\""},
        {"/opt/a`b", "\"/opt/a\\\\`b\""},
        {"/opt/it's", "\"/opt/it's\""},
        {"/opt/tab\there", "\"/opt/tab\\there\""},
        {"/opt/new\nline", "\"/opt/new\\nline\""},
        {"/opt/x;y&z|(1)<2>*?#~", "\"/opt/x;y&z|(1)<2>*?#~\""},
    };
    for (const auto& [path, expected] : rows) {
        EXPECT_EQ(DesktopExecValue(path), expected) << path;
    }
}

TEST(StartupEntryLinux, SetWritesTheAutostartFileAndRemoveDeletesIt) {
    TempFolder folder;
    StartupEntryLinux entry(folder / "config");
    EXPECT_EQ(entry.Path(), folder / "config/autostart/Quiller.desktop");
    ASSERT_TRUE(entry.Open());
    EXPECT_TRUE(text::DirectoryExists(folder / "config/autostart"));
    entry.Set("/opt/lumbrant/Lumbrant");
    EXPECT_EQ(FileContent(entry.Path()), "[Desktop Entry]\nType=Application\nName=Lumbrant\n"
                                         "Exec=/opt/lumbrant/Lumbrant\nTerminal=false\n");
    entry.Remove();
    EXPECT_FALSE(text::FileExists(entry.Path()));
    EXPECT_NO_THROW(entry.Remove());
    entry.Close();
}

TEST(StartupEntryLinux, CannotOpenWithoutAFolder) {
    TempFolder folder;
    fs::create_directories(folder / "config");
    text::WriteFileAtomic(folder / "config/autostart", "a file");
    EXPECT_FALSE(StartupEntryLinux(folder / "config").Open());
    EXPECT_FALSE(StartupEntryLinux("").Open());
}

TEST(SettingsFileLinux, KeepsItsFileInTheQuillerFolder) {
    TempFolder folder;
    SettingsFileLinux file(folder / "config");
    EXPECT_EQ(file.Path(), folder / "config/Quiller/settings.reg");
    EXPECT_FALSE(file.OpenKey());
    EXPECT_EQ(file.ReadInteger("AG").Status, ValueRead::Missing);
    EXPECT_THROW(file.WriteInteger("AG", 1), std::logic_error);

    file.CreateKey();
    EXPECT_FALSE(text::FileExists(file.Path()));
    file.WriteString("NS", "http://h");
    file.DeleteValue("NS");
    file.DeleteValue("None");
    file.CloseKey();
    ASSERT_TRUE(file.OpenKey());
    EXPECT_EQ(file.ReadString("NS").Status, ValueRead::Missing);
    EXPECT_THROW(file.WriteInteger("AG", 1), std::logic_error);
}

TEST(SettingsFileLinux, WithoutAConfigurationFolderThereIsNoKey) {
    SettingsFileLinux file("");
    EXPECT_FALSE(file.OpenKey());
    EXPECT_THROW(file.CreateKey(), std::runtime_error);
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) {
            saved_ = value;
        }
    }
    ~EnvironmentGuard() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(DefaultConfigFolder, TakesAnAbsoluteXdgConfigHomeElseHomeDotConfig) {
    EnvironmentGuard config("XDG_CONFIG_HOME");
    EnvironmentGuard home("HOME");
    setenv("HOME", "/home/reader", 1);
    setenv("XDG_CONFIG_HOME", "/srv/config", 1);
    EXPECT_EQ(DefaultConfigFolder(), "/srv/config");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(DefaultConfigFolder(), "/home/reader/.config");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(DefaultConfigFolder(), "/home/reader/.config");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultConfigFolder(), "/home/reader/.config");
}

} // namespace
} // namespace lumbrant
