// Players on real drive letters: a free letter is mapped to a temporary
// folder for the test's length (support/MappedDriveLetter.h).

#include "device/DeviceDetection.h"
#include "device/DeviceTransfer.h"
#include "device/DriveTableWin.h"
#include "device/PlayerNotesFolder.h"
#include "support/FakeMainView.h"
#include "support/FolderLog.h"
#include "support/Junction.h"
#include "support/MappedDriveLetter.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <windows.h>

namespace lumbrant {
namespace {

namespace fs = std::filesystem;
using testing::MappedDriveLetter;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

bool Lists(const std::vector<std::string>& roots, const std::string& root) {
    return std::find(roots.begin(), roots.end(), root) != roots.end();
}

// Every file below folder: relative path → content.
std::map<std::string, std::string> Tree(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_directory()) {
            files[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path());
        }
    }
    return files;
}

void ExpectNoPartialCopy(const fs::path& news) {
    for (const auto& entry : fs::directory_iterator(news)) {
        EXPECT_NE(entry.path().filename().string().rfind(kPartialCopyPrefix, 0), 0u)
            << entry.path();
    }
}

TEST(DriveKinds, OnlyFixedAndRemovableDisksMayBePlayers) {
    const std::pair<UINT, bool> kinds[] = {
        {DRIVE_REMOVABLE, true},    {DRIVE_FIXED, true},    {DRIVE_REMOTE, false},
        {DRIVE_CDROM, false},       {DRIVE_RAMDISK, false}, {DRIVE_UNKNOWN, false},
        {DRIVE_NO_ROOT_DIR, false},
    };
    for (const auto& [kind, player] : kinds) {
        EXPECT_EQ(IsPlayerDriveType(kind), player) << "drive kind " << kind;
    }
}

// Each kind of drive holds the marker; only the local disks are listed.
TEST(DriveKinds, NetworkOpticalAndRamDrivesAreNeverListed) {
    struct Kind {
        const char* What;
        UINT Type;
        bool Listed;
    };
    const Kind kinds[] = {
        {"a removable disk", DRIVE_REMOVABLE, true}, {"a fixed disk", DRIVE_FIXED, true},
        {"a network share", DRIVE_REMOTE, false},    {"an optical drive", DRIVE_CDROM, false},
        {"a RAM disk", DRIVE_RAMDISK, false},
    };
    const TempFolder temp;
    std::vector<std::unique_ptr<MappedDriveLetter>> drives;
    for (const Kind& kind : kinds) {
        WriteFile(temp.Path() / kind.What / "iPod_Control" / "iTunes" / "iTunesDB", "db");
        drives.push_back(std::make_unique<MappedDriveLetter>(temp.Path() / kind.What, kind.Type));
        if (!drives.back()->Mapped()) {
            GTEST_SKIP() << "no free drive letter could be mapped to a folder";
        }
        if (GetDriveTypeA((drives.back()->Root() + "\\").c_str()) != kind.Type) {
            GTEST_SKIP() << "this system maps no folder as " << kind.What;
        }
    }
    const std::vector<std::string> roots = CreateSystemDriveTable()->DriveRoots();
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        EXPECT_EQ(Lists(roots, drives[i]->Root()), kinds[i].Listed) << kinds[i].What;
    }
}

// Two folders on letters of their own: "player" holds the marker, "plain" does not.
class DriveLettersTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!player_.Mapped() || !plain_.Mapped()) {
            GTEST_SKIP() << "no free drive letter could be mapped to a folder";
        }
    }

    static bool MakeFolders(const fs::path& root) {
        WriteFile(root / "player" / "iPod_Control" / "iTunes" / "iTunesDB", "db");
        fs::create_directories(root / "player" / "Notes" / "news");
        return fs::create_directories(root / "plain" / "Notes" / "news");
    }

    TempFolder temp_;
    bool made_ = MakeFolders(temp_.Path());
    MappedDriveLetter player_{temp_.Path() / "player", DRIVE_REMOVABLE};
    MappedDriveLetter plain_{temp_.Path() / "plain", DRIVE_REMOVABLE};
    testing::FolderLog log_{temp_ / "work"};
    DeviceState state_;
    FakeMainView view_;
};

TEST_F(DriveLettersTest, OnlyTheLetterWhoseFolderHoldsTheMarkerIsAPlayer) {
    const auto drives = CreateSystemDriveTable();
    const std::vector<std::string> roots = drives->DriveRoots();
    EXPECT_TRUE(Lists(roots, player_.Root()));
    EXPECT_TRUE(Lists(roots, plain_.Root()));
    EXPECT_FALSE(Lists(roots, "a:"));
    EXPECT_NE(drives->VolumeLabel(player_.Root()), std::nullopt);

    DeviceDetection detection(state_, view_, *drives, log_.Log);
    EXPECT_TRUE(detection.GetiPodDriver());
    EXPECT_EQ(state_.iPod.EntryRoots, std::vector<std::string>{player_.Root()});
    EXPECT_EQ(state_.iPod.DeviceRoot, player_.Root());
    EXPECT_EQ(view_.LastStatus(), "1 iPod detected.");
    EXPECT_EQ(log_.Counter, 0);
}

TEST_F(DriveLettersTest, TheTransferDeletesAndCopiesOnTheLetterAndAReadOnlyNoteStays) {
    const fs::path news = temp_.Path() / "player" / "Notes" / "news";
    WriteFile(news / "News item 7", "old\r\n");
    WriteFile(news / "News item 8", "kept by the user\r\n");
    fs::permissions(news / "News item 8", fs::perms::owner_read);
    WriteFile(fs::path(log_.Folder) / "news" / "index", "<title>Index</title>\r\n");
    WriteFile(fs::path(log_.Folder) / "news" / "News item 1", "one\r\n");
    state_.DeviceFound = true;
    state_.iPod.DeviceRoot = player_.Root();

    DeviceTransfer transfer(state_, log_.Folder, view_, log_.Log);
    EXPECT_TRUE(transfer.CopyNotesToDevice()) << log_.Text();

    EXPECT_FALSE(fs::exists(news / "News item 7"));
    EXPECT_EQ(ReadFile(news / "News item 8"), "kept by the user\r\n");
    EXPECT_EQ(ReadFile(news / "index"), "<title>Index</title>\r\n");
    EXPECT_EQ(ReadFile(news / "News item 1"), "one\r\n");
    ExpectNoPartialCopy(news);
    fs::permissions(news / "News item 8", fs::perms::owner_all);
}

// While the notes folder is in use, nothing on the way to it can be renamed
// away and replaced by something else; once it is let go, it can.
TEST_F(DriveLettersTest, TheWayToTheNotesCannotBeSwappedWhileInUse) {
    const fs::path player = temp_.Path() / "player";
    const fs::path steps[] = {player / "Notes", player / "Notes" / "news"};
    for (const fs::path& step : steps) {
        const fs::path aside = step.parent_path() / "aside";
        std::string whyNot;
        auto folder = OpenPlayerNotesFolder(player_.Root(), whyNot);
        ASSERT_NE(folder, nullptr) << whyNot;
        EXPECT_FALSE(MoveFileW(step.wstring().c_str(), aside.wstring().c_str())) << step;
        folder.reset();
        EXPECT_TRUE(MoveFileW(step.wstring().c_str(), aside.wstring().c_str())) << step;
        MoveFileW(aside.wstring().c_str(), step.wstring().c_str());
    }
}

// A junction on the player, where Notes, news or a note should be, leads
// elsewhere: the transfer neither follows it nor replaces it, and what it
// leads to stays as it was.
TEST_F(DriveLettersTest, AJunctionOnThePlayerIsNeitherFollowedNorReplaced) {
    const fs::path player = temp_.Path() / "player";
    const fs::path outside = temp_.Path() / "outside";
    struct Case {
        const char* What;
        fs::path Link;
        fs::path Target;
        const char* Logged;
    };
    const Case cases[] = {
        {"Notes", player / "Notes", outside, "Notes is a symbolic link"},
        {"news", player / "Notes" / "news", outside / "news", "news is a symbolic link"},
        {"a note", player / "Notes" / "news" / "News item 1", outside / "news",
         "News item 1: a symbolic link of that name is in the way"},
    };
    WriteFile(fs::path(log_.Folder) / "news" / "index", "<title>Index</title>\r\n");
    WriteFile(fs::path(log_.Folder) / "news" / "News item 1", "one\r\n");
    state_.DeviceFound = true;
    state_.iPod.DeviceRoot = player_.Root();
    for (const Case& c : cases) {
        fs::remove_all(player / "Notes");
        fs::create_directories(player / "Notes" / "news");
        fs::remove_all(outside);
        WriteFile(outside / "news" / "index", "the user's own\r\n");
        fs::remove_all(c.Link);
        if (const std::string why = testing::MakeJunction(c.Link, c.Target); !why.empty()) {
            GTEST_SKIP() << "this system makes no junction: " << why;
        }
        const auto before = Tree(outside);

        DeviceTransfer transfer(state_, log_.Folder, view_, log_.Log);
        EXPECT_FALSE(transfer.CopyNotesToDevice()) << c.What;

        EXPECT_TRUE(testing::IsJunction(c.Link)) << c.What;
        EXPECT_EQ(Tree(outside), before) << c.What;
        EXPECT_NE(log_.Text().find(c.Logged), std::string::npos) << c.What << ": " << log_.Text();
        fs::remove(c.Link);
    }
}

} // namespace
} // namespace lumbrant
