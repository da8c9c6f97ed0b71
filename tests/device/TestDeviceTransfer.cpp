#include "device/DeviceTransfer.h"
#include "support/FakeMainView.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <set>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

namespace fs = std::filesystem;

// The names in a folder, subfolders marked with a trailing "/".
std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.insert(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    }
    return names;
}

class DeviceTransferTest : public ::testing::Test {
protected:
    DeviceTransferTest() {
        WriteFile(Local() / "index", "<title>Index</title>\r\n");
        WriteFile(Local() / "News item 1", "one\r\n");
        WriteFile(Local() / "News item 2-1", "two\r\n");
        WriteFile(Local() / "kept" / "inner", "local subfolder\r\n");
    }

    fs::path Local() const { return fs::path(log_.Folder) / "news"; }

    // A player at root name whose notes folder holds an old note, a stray
    // file and a subfolder.
    fs::path Player(const std::string& name) {
        const fs::path news = temp_.Path() / name / "Notes" / "news";
        WriteFile(news / "News item 9", "old\r\n");
        WriteFile(news / "stray.txt", "put there by hand\r\n");
        WriteFile(news / "sub" / "deep", "never touched\r\n");
        fs::create_directories(news / "empty");
        return news;
    }

    void Choose(const std::string& name) {
        state_.DeviceFound = true;
        state_.iPod.DeviceRoot = temp_ / name;
    }

    std::string Log() const { return log_.Text(); }

    TempFolder temp_;
    testing::FolderLog log_{temp_ / "work"};
    DeviceState state_;
    FakeMainView view_;
    DeviceTransfer transfer_{state_, log_.Folder, view_, log_.Log};
};

TEST_F(DeviceTransferTest, ReplacesThePlayersNotesWithTheLocalOnes) {
    const fs::path news = Player("g");
    Choose("g");

    EXPECT_TRUE(transfer_.CopyNotesToDevice()) << Log();

    EXPECT_EQ(Names(news),
              (std::set<std::string>{"index", "News item 1", "News item 2-1", "empty/", "sub/"}));
    EXPECT_EQ(ReadFile(news / "News item 1"), "one\r\n");
    EXPECT_EQ(ReadFile(news / "sub" / "deep"), "never touched\r\n");
    EXPECT_EQ(Names(Local()).size(), 4u);
    EXPECT_TRUE(view_.Messages.empty());
}

TEST_F(DeviceTransferTest, APlayerWithoutNotesFolderReceivesNothingAndGetsNoFolder) {
    fs::create_directories(temp_.Path() / "bare");
    fs::create_directories(temp_.Path() / "half" / "Notes");
    for (const char* name : {"bare", "half"}) {
        Choose(name);
        EXPECT_FALSE(transfer_.CopyNotesToDevice()) << "the notes were not copied";
    }
    EXPECT_EQ(Names(temp_.Path() / "bare"), std::set<std::string>{});
    EXPECT_EQ(Names(temp_.Path() / "half" / "Notes"), std::set<std::string>{});
    EXPECT_TRUE(view_.Messages.empty());
    EXPECT_EQ(log_.Counter, 2);
    EXPECT_NE(Log().find("1=CopyNotesToDevice:no notes folder on the player, nothing was copied: "),
              std::string::npos);
}

TEST_F(DeviceTransferTest, AFileThatCannotBeCopiedIsSkipped) {
    const fs::path news = Player("g");
    fs::create_directories(news / "News item 1"); // a folder where a note should go
    Choose("g");

    EXPECT_FALSE(transfer_.CopyNotesToDevice());

    EXPECT_EQ(Names(news),
              (std::set<std::string>{"index", "News item 1/", "News item 2-1", "empty/", "sub/"}));
    EXPECT_EQ(ReadFile(news / "News item 2-1"), "two\r\n");
    EXPECT_EQ(Log(), "[Access Log]\r\n0=CopyNotesToDevice:News item 1: a folder of that name is in "
                     "the way\r\n");
}

TEST_F(DeviceTransferTest, AReadOnlyNoteOnThePlayerIsNeitherDeletedNorReplaced) {
    const fs::path news = Player("g");
    WriteFile(news / "News item 1", "kept by the user\r\n");
    for (const char* name : {"News item 1", "News item 9"}) {
        fs::permissions(news / name, fs::perms::owner_read | fs::perms::group_read);
    }
    Choose("g");

    EXPECT_FALSE(transfer_.CopyNotesToDevice()) << "a note could not be put in place";

    EXPECT_EQ(Names(news), (std::set<std::string>{"index", "News item 1", "News item 2-1",
                                                  "News item 9", "empty/", "sub/"}));
    EXPECT_EQ(ReadFile(news / "News item 1"), "kept by the user\r\n");
    EXPECT_EQ(Log(), "[Access Log]\r\n0=CopyNotesToDevice:News item 1: the file there is "
                     "read-only\r\n");
}

TEST_F(DeviceTransferTest, OnlyTheChosenPlayerReceives) {
    const fs::path first = Player("f");
    const fs::path second = Player("h");
    Choose("f");

    transfer_.CopyNotesToDevice();

    EXPECT_EQ(Names(first).count("index"), 1u);
    EXPECT_EQ(Names(second), (std::set<std::string>{"News item 9", "stray.txt", "empty/", "sub/"}));
}

TEST_F(DeviceTransferTest, ARunThatWroteNoIndexLeavesThePlayersNotesAsTheyWere) {
    const fs::path news = Player("g");
    Choose("g");
    // A run that stopped before its first note, and one that wrote nothing at all.
    fs::remove(Local() / "index");
    EXPECT_TRUE(transfer_.CopyNotesToDevice()) << Log();
    fs::remove_all(Local());
    EXPECT_TRUE(transfer_.CopyNotesToDevice()) << Log();

    EXPECT_EQ(Names(news), (std::set<std::string>{"News item 9", "stray.txt", "empty/", "sub/"}));
    EXPECT_EQ(ReadFile(news / "News item 9"), "old\r\n");
    EXPECT_EQ(Log(), "[Access Log]\r\n"
                     "0=CopyNotesToDevice:this run wrote no notes, so the player's notes stay as "
                     "they were\r\n"
                     "1=CopyNotesToDevice:this run wrote no notes, so the player's notes stay as "
                     "they were\r\n");
}

TEST_F(DeviceTransferTest, NoPlayerEverFoundIsSaidAndNothingIsTouched) {
    const fs::path news = Player("g");
    state_.iPod.DeviceRoot = temp_ / "g"; // a root without DeviceFound

    EXPECT_TRUE(transfer_.CopyNotesToDevice()) << "no device is no failed copy";

    EXPECT_EQ(view_.Messages, (std::vector<std::string>{"iPod Not Connected!"}));
    EXPECT_EQ(Names(news), (std::set<std::string>{"News item 9", "stray.txt", "empty/", "sub/"}));
    EXPECT_EQ(Names(Local()).size(), 4u);
}

TEST_F(DeviceTransferTest, OnlyTheExactWordLocalSelectsTheLocalFolder) {
    const fs::path news = Player("g");
    Choose("g");

    transfer_.DeleteOldNotes("Local");
    EXPECT_EQ(Names(news), (std::set<std::string>{"empty/", "sub/"}));
    EXPECT_EQ(Names(Local()).size(), 4u);

    transfer_.DeleteOldNotes("local");
    EXPECT_EQ(Names(Local()), std::set<std::string>{"kept/"});
    EXPECT_EQ(ReadFile(Local() / "kept" / "inner"), "local subfolder\r\n");
}

TEST_F(DeviceTransferTest, LinksOnThePlayerAreNeitherFollowedNorDeleted) {
    const fs::path news = Player("g");
    WriteFile(temp_.Path() / "outside" / "precious", "keep\r\n");
    try {
        fs::create_directory_symlink(temp_.Path() / "outside", news / "folder link");
        fs::create_symlink(temp_.Path() / "outside" / "precious", news / "file link");
    } catch (const fs::filesystem_error& error) {
        GTEST_SKIP() << "this system makes no symbolic links here: " << error.what();
    }
    Choose("g");

    transfer_.DeleteOldNotes("ipod");

    EXPECT_EQ(Names(news), (std::set<std::string>{"folder link/", "file link", "empty/", "sub/"}));
    EXPECT_TRUE(fs::is_symlink(news / "file link"));
    EXPECT_EQ(Names(temp_.Path() / "outside"), std::set<std::string>{"precious"});
    EXPECT_EQ(ReadFile(temp_.Path() / "outside" / "precious"), "keep\r\n");
}

} // namespace
} // namespace lumbrant
