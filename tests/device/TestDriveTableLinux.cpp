#include "device/DriveTableLinux.h"
#include "device/MountWatcher.h"
#include "support/PrivateMounts.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumbrant {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace {

namespace fs = std::filesystem;

std::string Escaped(const std::string& path) {
    std::string out;
    for (char c : path) {
        out += c == ' ' ? std::string("\\040") : std::string(1, c);
    }
    return out;
}

// A recorded-style table whose devices and label links live in a temporary folder.
class DriveTableLinuxTest : public ::testing::Test {
protected:
    DriveTableLinuxTest() {
        fs::create_directories(temp_.Path() / "dev" / "disk" / "by-label");
        for (const char* device : {"sdb1", "sdc1", "sdd1"}) {
            WriteFile(temp_.Path() / "dev" / device, "");
        }
        Label("IPOD\\x20NANO", "../../sdb1");
        Label("STICK", "../../sdc1");
    }

    void Label(const std::string& name, const std::string& target) {
        fs::create_symlink(target, temp_.Path() / "dev" / "disk" / "by-label" / name);
    }

    // A mount point: a folder of the temporary folder, made on first use.
    std::string At(const std::string& point) {
        const std::string folder = temp_.Path().string() + point;
        fs::create_directories(folder);
        return folder;
    }

    void Table(const std::vector<std::pair<std::string, std::string>>& mounts) {
        std::string table = "21 26 0:20 / /proc rw - proc proc rw\n";
        int id = 100;
        for (const auto& [point, source] : mounts) {
            table += std::to_string(id++) + " 26 8:17 / " + Escaped(At(point)) +
                     " rw,nosuid shared:9 - vfat " + source + " rw,fmask=0022\n";
        }
        WriteFile(temp_.Path() / "mountinfo", table);
    }

    DriveTableLinux Drives() {
        return DriveTableLinux(temp_ / "mountinfo", temp_ / "dev/disk/by-label");
    }

    std::string Device(const std::string& name) { return temp_ / ("dev/" + name); }

    TempFolder temp_;
};

TEST_F(DriveTableLinuxTest, ListsMountPointsAscendingWithTheirLabels) {
    Table({{"/media/ann/Z", Device("sdc1")},
           {"/media/ann/My Player", Device("sdb1")},
           {"/media/ann/plain", Device("sdd1")},
           {"/media/ann/Z", Device("sdc1")}});
    auto drives = Drives();

    EXPECT_EQ(drives.DriveRoots(),
              (std::vector<std::string>{At("/media/ann/My Player"), At("/media/ann/Z"),
                                        At("/media/ann/plain")}));
    EXPECT_EQ(drives.VolumeLabel(At("/media/ann/My Player")), "IPOD NANO");
    EXPECT_EQ(drives.VolumeLabel(At("/media/ann/Z")), "STICK");
    EXPECT_EQ(drives.VolumeLabel(At("/media/ann/plain")), "");
    EXPECT_EQ(drives.VolumeLabel("/media/ann/elsewhere"), std::nullopt);
    EXPECT_EQ(drives.VolumeLabel("/proc"), std::nullopt);
}

TEST_F(DriveTableLinuxTest, ALabelFollowsTheSourceThroughLinks) {
    fs::create_directories(temp_.Path() / "dev" / "mapper");
    fs::create_symlink("../sdb1", temp_.Path() / "dev" / "mapper" / "player");
    Table({{"/media/p", Device("mapper/player")}, {"/media/t", "tmpfs"}});
    auto drives = Drives();
    EXPECT_EQ(drives.VolumeLabel(At("/media/p")), "IPOD NANO");
    EXPECT_EQ(drives.VolumeLabel(At("/media/t")), "");
}

TEST_F(DriveTableLinuxTest, WithoutLabelFolderEveryLabelIsEmpty) {
    Table({{"/media/p", Device("sdb1")}});
    DriveTableLinux drives(temp_ / "mountinfo", temp_ / "no-such-folder");
    EXPECT_EQ(drives.VolumeLabel(At("/media/p")), "");
}

TEST_F(DriveTableLinuxTest, AnUnreadableTableThrowsForRootsAndFailsTheLabel) {
    DriveTableLinux drives(temp_ / "missing", temp_ / "dev/disk/by-label");
    EXPECT_THROW(drives.DriveRoots(), std::runtime_error);
    EXPECT_EQ(drives.VolumeLabel("/"), std::nullopt);
}

TEST_F(DriveTableLinuxTest, AMountPointThatCannotBeExaminedIsNotListed) {
    const std::string kept = At("/media/kept");
    fs::create_directory_symlink(kept, temp_.Path() / "media" / "link");
    WriteFile(temp_.Path() / "mountinfo", "101 26 8:17 / " + kept + " rw - vfat /dev/sdb1 rw\n" +
                                              "102 26 8:18 / " + (temp_ / "media/gone") +
                                              " rw - vfat /dev/sdc1 rw\n" + "103 26 8:19 / " +
                                              (temp_ / "media/link") + " rw - vfat /dev/sdd1 rw\n");
    EXPECT_EQ(Drives().DriveRoots(), std::vector<std::string>{kept});
}

// Exit codes of the child that mounts in a namespace of its own.
constexpr int kListed = 0;
constexpr int kRefused = 77;

// A player mounted the way the demo mounts it, beside a tmpfs left at its
// default mode 1777 like /dev/shm: anyone could plant a marker in that one.
int MountAndList(const std::string& player, const std::string& shared, std::string& refusal) {
    e2e::EnterPrivateMountNamespace();
    if (!e2e::MountsAllowed(refusal)) {
        return kRefused;
    }
    MountWatcher watcher;
    if (::mount("tmpfs", shared.c_str(), "tmpfs", 0, "size=64k") != 0) {
        refusal = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
        return kRefused;
    }
    WriteFile(shared + "/iPod_Control/iTunes/iTunesDB", "");
    const e2e::TmpfsPlayer mounted(player);
    const auto roots = DriveTableLinux().DriveRoots();
    if (std::find(roots.begin(), roots.end(), player) == roots.end()) {
        return 4;
    }
    if (std::find(roots.begin(), roots.end(), shared) != roots.end()) {
        return 5;
    }
    if (DriveTableLinux().VolumeLabel(player) != std::string()) {
        return 6;
    }
    return watcher.NewMountAppeared() && !watcher.NewMountAppeared() ? kListed : 7;
}

TEST(DriveTableLinuxMounts, ARealTmpfsMountIsListedAndNoticedButASharedOneIsNot) {
    TempFolder temp;
    const std::string player = temp / "my player";
    const std::string shared = temp / "shm";
    fs::create_directories(shared);
    int refusalPipe[2];
    ASSERT_EQ(::pipe(refusalPipe), 0);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::close(refusalPipe[0]);
        int code = 1;
        std::string refusal;
        try {
            code = MountAndList(player, shared, refusal);
        } catch (...) {
        }
        [[maybe_unused]] const auto written =
            ::write(refusalPipe[1], refusal.data(), refusal.size());
        ::_exit(code);
    }
    ::close(refusalPipe[1]);
    std::string refusal;
    char buffer[256];
    for (ssize_t got; (got = ::read(refusalPipe[0], buffer, sizeof buffer)) > 0;) {
        refusal.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(refusalPipe[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kRefused) {
        GTEST_SKIP() << "this machine refuses a private mount namespace or a mount in it: "
                     << refusal;
    }
    EXPECT_EQ(WEXITSTATUS(status), kListed)
        << "4: the player not listed, 5: the shared tmpfs listed, 6: label, 7: watcher";
}

} // namespace
} // namespace lumbrant
