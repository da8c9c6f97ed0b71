// Players that would lead the program off the player, and mounts that only
// pose as players: each is presented in a mount table, scanned like any
// drive and, when listed, given the run's notes. Nothing outside the player
// may change.

#include "device/DeviceDetection.h"
#include "device/DeviceTransfer.h"
#include "device/DriveTableLinux.h"
#include "support/FakeMainView.h"
#include "support/FolderLog.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

namespace fs = std::filesystem;

// Every file below folder, links not followed: relative path → content.
std::map<std::string, std::string> Tree(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_directory()) {
            files[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path());
        }
    }
    return files;
}

// Prepares the player at root; outside holds the user's own files.
using Preparation = std::function<bool(const fs::path& root, const fs::path& outside)>;

struct HostilePlayer {
    const char* Name;
    const char* FsType;
    Preparation Prepare; // false: this machine cannot set the row up
    bool Listed;
    const char* Logged; // a part of the transfer's log entry; empty: a whole copy
};

bool AsItIs(const fs::path&, const fs::path&) {
    return true;
}

TEST(HostilePlayers, NothingOutsideThePlayerChangesAndOnlyRealPlayersAreListed) {
    const HostilePlayer rows[] = {
        {"a real player", "vfat", AsItIs, true, ""},
        {"Notes is a link", "vfat",
         [](const fs::path& root, const fs::path& outside) {
             fs::remove_all(root / "Notes");
             fs::create_directory_symlink(outside, root / "Notes");
             return true;
         },
         true, "/Notes is a symbolic link"},
        {"news is a link", "vfat",
         [](const fs::path& root, const fs::path& outside) {
             fs::remove_all(root / "Notes" / "news");
             fs::create_directory_symlink(outside / "news", root / "Notes" / "news");
             return true;
         },
         true, "/Notes/news is a symbolic link"},
        {"a note in news is a link", "vfat",
         [](const fs::path& root, const fs::path& outside) {
             fs::create_symlink(outside / "news" / "precious", root / "Notes" / "news" / "index");
             return true;
         },
         true, ":index: a symbolic link of that name is in the way"},
        {"its root is writable by others", "tmpfs",
         [](const fs::path& root, const fs::path&) {
             fs::permissions(root, fs::perms::all | fs::perms::sticky_bit);
             return true;
         },
         false, ""},
        {"its root belongs to another user", "vfat",
         [](const fs::path& root, const fs::path&) {
             const uid_t other = ::geteuid() == 65534 ? 65533 : 65534;
             return ::chown(root.c_str(), other, other) == 0;
         },
         false, ""},
        {"its marker lies behind a linked folder", "vfat",
         [](const fs::path& root, const fs::path& outside) {
             WriteFile(outside / "iPod_Control" / "iTunes" / "iTunesDB", "mhbd");
             fs::remove_all(root / "iPod_Control");
             fs::create_directory_symlink(outside / "iPod_Control", root / "iPod_Control");
             return true;
         },
         false, ""},
        {"its marker is a link", "vfat",
         [](const fs::path& root, const fs::path& outside) {
             WriteFile(outside / "iTunesDB", "mhbd");
             fs::remove(root / "iPod_Control" / "iTunes" / "iTunesDB");
             fs::create_symlink(outside / "iTunesDB",
                                root / "iPod_Control" / "iTunes" / "iTunesDB");
             return true;
         },
         false, ""},
        {"a FUSE mount", "fuse.sshfs", AsItIs, false, ""},
        {"a network mount", "nfs4", AsItIs, false, ""},
        {"a RAM disk outside the allowed file systems", "ramfs", AsItIs, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TempFolder temp;
        const fs::path root = temp.Path() / "player";
        const fs::path outside = temp.Path() / "home";
        WriteFile(root / "iPod_Control" / "iTunes" / "iTunesDB", "mhbd");
        WriteFile(root / "Notes" / "news" / "News item 9", "old\r\n");
        WriteFile(outside / "precious", "mine\r\n");
        WriteFile(outside / "news" / "precious", "mine too\r\n");
        if (!row.Prepare(root, outside)) {
            std::cout << "[ SKIPPED  ] " << row.Name << ": needs root to give a folder away\n";
            continue;
        }
        WriteFile(temp.Path() / "mountinfo", "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
                                             "101 26 8:17 / " +
                                                 root.string() + " rw - " + row.FsType +
                                                 " /dev/sdz1 rw\n");
        testing::FolderLog log(temp / "work");
        DeviceState state;
        WriteFile(fs::path(log.Folder) / "news" / "index", "<title>Index</title>\r\n");
        WriteFile(fs::path(log.Folder) / "news" / "News item 1", "one\r\n");
        FakeMainView view;
        DriveTableLinux drives(temp / "mountinfo", temp / "by-label");
        DeviceDetection detection(state, view, drives, log.Log);
        DeviceTransfer transfer(state, log.Folder, view, log.Log);
        const auto before = Tree(outside);

        EXPECT_EQ(detection.GetiPodDriver(), row.Listed);
        if (row.Listed) {
            EXPECT_EQ(state.iPod.EntryRoots, std::vector<std::string>{root.string()});
            EXPECT_EQ(transfer.CopyNotesToDevice(), *row.Logged == '\0');
        }

        EXPECT_EQ(Tree(outside), before);
        const std::string logText = log.Text();
        if (*row.Logged == '\0') {
            EXPECT_EQ(logText.find("CopyNotesToDevice:"), std::string::npos) << logText;
        } else {
            EXPECT_NE(logText.find("=CopyNotesToDevice:"), std::string::npos) << logText;
            EXPECT_NE(logText.find(row.Logged), std::string::npos) << logText;
        }
    }
}

} // namespace
} // namespace lumbrant
