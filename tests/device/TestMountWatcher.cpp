#include "device/MountWatcher.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

constexpr char kRoot[] = "26 1 254:0 / / rw - ext4 /dev/vda rw\n";
constexpr char kProc[] = "21 26 0:20 / /proc rw - proc proc rw\n";
constexpr char kStick[] = "85 26 8:17 / /media/ann/STICK rw - vfat /dev/sdb1 rw\n";
constexpr char kPlayer[] = "86 26 8:33 / /media/ann/My\\040Player rw - vfat /dev/sdc1 rw\n";
constexpr char kCgroup[] = "40 26 0:37 / /sys/fs/cgroup/x rw - cgroup2 cgroup2 rw\n";

TEST(MountWatcher, ReportsEachNewMountPointOnceAndIgnoresRemovals) {
    TempFolder temp;
    const std::string table = temp / "mountinfo";
    WriteFile(table, std::string(kRoot) + kProc + kStick);
    MountWatcher watcher(table);

    EXPECT_FALSE(watcher.NewMountAppeared());

    WriteFile(table, std::string(kRoot) + kProc + kStick + kPlayer);
    EXPECT_TRUE(watcher.NewMountAppeared());
    EXPECT_FALSE(watcher.NewMountAppeared());

    WriteFile(table, std::string(kRoot) + kProc + kPlayer);
    EXPECT_FALSE(watcher.NewMountAppeared());

    // Removed and then replaced by another at once: the new one counts.
    WriteFile(table, std::string(kRoot) + kStick);
    EXPECT_TRUE(watcher.NewMountAppeared());

    // A pseudo file system is no drive.
    WriteFile(table, std::string(kRoot) + kStick + kCgroup);
    EXPECT_FALSE(watcher.NewMountAppeared());
}

TEST(MountWatcher, APlayerMountedAgainAtTheSameFolderBetweenTwoReadingsIsNew) {
    TempFolder temp;
    const std::string table = temp / "mountinfo";
    WriteFile(table, std::string(kRoot) + kPlayer);
    MountWatcher watcher(table);
    const struct {
        const char* remounted;
        bool seen;
    } rows[] = {
        {"91 26 8:33 / /media/ann/My\\040Player rw - vfat /dev/sdc1 rw\n", true},  // new id
        {"91 26 8:49 / /media/ann/My\\040Player rw - vfat /dev/sdd1 rw\n", true},  // new device
        {"91 26 8:49 / /media/ann/My\\040Player ro - vfat /dev/sdd1 ro\n", false}, // options
    };
    for (const auto& row : rows) {
        WriteFile(table, std::string(kRoot) + row.remounted);
        EXPECT_EQ(watcher.NewMountAppeared(), row.seen) << row.remounted;
    }
}

TEST(MountWatcher, AnUnreadableTableKeepsThePreviousReading) {
    TempFolder temp;
    const std::string table = temp / "mountinfo";
    WriteFile(table, std::string(kRoot) + kStick);
    MountWatcher watcher(table);

    std::filesystem::remove(table);
    EXPECT_FALSE(watcher.NewMountAppeared());
    WriteFile(table, std::string(kRoot) + kStick);
    EXPECT_FALSE(watcher.NewMountAppeared());
    WriteFile(table, std::string(kRoot) + kStick + kPlayer);
    EXPECT_TRUE(watcher.NewMountAppeared());
}

} // namespace
} // namespace lumbrant
