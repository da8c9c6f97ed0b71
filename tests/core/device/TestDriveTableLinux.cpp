#include "device/DriveTableLinux.h"
#include "device/MountWatcher.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sched.h>
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

    void Table(const std::vector<std::pair<std::string, std::string>>& mounts) {
        std::string table = "21 26 0:20 / /proc rw - proc proc rw\n";
        int id = 100;
        for (const auto& [point, source] : mounts) {
            table += std::to_string(id++) + " 26 8:17 / " + Escaped(point) +
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

    EXPECT_EQ(drives.DriveRoots(), (std::vector<std::string>{"/media/ann/My Player", "/media/ann/Z",
                                                             "/media/ann/plain"}));
    EXPECT_EQ(drives.VolumeLabel("/media/ann/My Player"), "IPOD NANO");
    EXPECT_EQ(drives.VolumeLabel("/media/ann/Z"), "STICK");
    EXPECT_EQ(drives.VolumeLabel("/media/ann/plain"), "");
    EXPECT_EQ(drives.VolumeLabel("/media/ann/elsewhere"), std::nullopt);
    EXPECT_EQ(drives.VolumeLabel("/proc"), std::nullopt);
}

TEST_F(DriveTableLinuxTest, ALabelFollowsTheSourceThroughLinks) {
    fs::create_directories(temp_.Path() / "dev" / "mapper");
    fs::create_symlink("../sdb1", temp_.Path() / "dev" / "mapper" / "player");
    Table({{"/media/p", Device("mapper/player")}, {"/media/t", "tmpfs"}});
    auto drives = Drives();
    EXPECT_EQ(drives.VolumeLabel("/media/p"), "IPOD NANO");
    EXPECT_EQ(drives.VolumeLabel("/media/t"), "");
}

TEST_F(DriveTableLinuxTest, WithoutLabelFolderEveryLabelIsEmpty) {
    Table({{"/media/p", Device("sdb1")}});
    DriveTableLinux drives(temp_ / "mountinfo", temp_ / "no-such-folder");
    EXPECT_EQ(drives.VolumeLabel("/media/p"), "");
}

TEST_F(DriveTableLinuxTest, AnUnreadableTableThrowsForRootsAndFailsTheLabel) {
    DriveTableLinux drives(temp_ / "missing", temp_ / "dev/disk/by-label");
    EXPECT_THROW(drives.DriveRoots(), std::runtime_error);
    EXPECT_EQ(drives.VolumeLabel("/"), std::nullopt);
}

// Exit codes of the child that mounts in a namespace of its own.
constexpr int kListed = 0;
constexpr int kForbidden = 77;

int MountAndList(const std::string& folder) {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return errno == EPERM ? kForbidden : 2;
    }
    MountWatcher watcher;
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        return errno == EPERM ? kForbidden : 3;
    }
    const auto roots = DriveTableLinux().DriveRoots();
    if (std::find(roots.begin(), roots.end(), folder) == roots.end()) {
        return 4;
    }
    if (DriveTableLinux().VolumeLabel(folder) != std::string()) {
        return 5;
    }
    return watcher.NewMountAppeared() && !watcher.NewMountAppeared() ? kListed : 6;
}

TEST(DriveTableLinuxMounts, ARealTmpfsMountIsListedAndNoticed) {
    TempFolder temp;
    const std::string folder = temp / "my player";
    fs::create_directories(folder);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        int code = 1;
        try {
            code = MountAndList(folder);
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kForbidden) {
        GTEST_SKIP() << "This environment forbids mount namespaces or mounts (EPERM).";
    }
    EXPECT_EQ(WEXITSTATUS(status), kListed)
        << "2: unshare failed, 3: mount failed, 4: not listed, 5: label, 6: watcher";
}

} // namespace
} // namespace lumbrant
