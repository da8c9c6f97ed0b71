#include "device/MountTable.h"

#include <gtest/gtest.h>

namespace lumbrant {
namespace {

// Lines as the kernel writes them, from several machines.
constexpr char kRecordedTable[] =
    "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
    "22 26 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
    "23 26 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw,size=12335096k,mode=755\n"
    "25 23 0:23 / /dev/pts rw,relatime - devpts devpts rw,mode=600,ptmxmode=000\n"
    "26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw,discard\n"
    "30 22 0:27 / /sys/fs/cgroup rw,relatime - tmpfs tmpfs rw,mode=755\n"
    "40 30 0:37 / /sys/fs/cgroup/unified rw,relatime - cgroup2 cgroup2 rw\n"
    "41 26 0:38 / /proc/sys/fs/binfmt_misc rw,relatime shared:27 - autofs systemd-1 rw,fd=30\n"
    "85 26 8:17 / /media/ann/My\\040Player rw,nosuid,nodev shared:95 master:3 - vfat /dev/sdb1 "
    "rw,fmask=0022\n"
    "86 26 0:50 / /home/ann/share rw,relatime - nfs4 srv:/export rw,vers=4.2\n"
    "87 26 0:51 / /home/ann/remote rw,nosuid - fuse.sshfs ann@host:/ rw,user_id=1000\n"
    "88 26 8:33 / /mnt/back\\134slash\\011tab rw - exfat /dev/sdc1 rw\n"
    "89 26 0:52 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
    "90 26 8:17 / /media/ann/My\\040Player rw - vfat /dev/sdb1 rw\n"
    "91 26 0:53 / /mnt/ram rw - ramfs none rw\n";

TEST(MountTable, ParsesPathsTypesAndSourcesAcrossOptionalFields) {
    const auto entries = ParseMountInfo(kRecordedTable);
    ASSERT_EQ(entries.size(), 15u);
    EXPECT_EQ(entries[4].MountPoint, "/");
    EXPECT_EQ(entries[4].FsType, "ext4");
    EXPECT_EQ(entries[4].Source, "/dev/vda");
    EXPECT_EQ(entries[8].MountId, "85");
    EXPECT_EQ(entries[8].Device, "8:17");
    EXPECT_EQ(entries[8].MountPoint, "/media/ann/My Player");
    EXPECT_EQ(entries[8].FsType, "vfat");
    EXPECT_EQ(entries[8].Source, "/dev/sdb1");
    EXPECT_EQ(entries[11].MountPoint, "/mnt/back\\slash\ttab");
    EXPECT_EQ(entries[10].Source, "ann@host:/");
}

TEST(MountTable, PassesOverMalformedLines) {
    const auto entries = ParseMountInfo("\n"
                                        "garbage\n"
                                        "1 2 3:4 / /no/dash rw ext4 /dev/x rw\n"
                                        "1 2 3:4 / /dash/last rw -\n"
                                        "1 2 3:4 / /dash/type rw - ext4\n"
                                        "1 2 3:4 / /good rw - ext4 /dev/x rw");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].MountPoint, "/good");
}

TEST(MountTable, KeepsOnlyFileSystemsAPlayerCanCarryAndSortsThem) {
    EXPECT_EQ(PlayerMountPoints(ParseMountInfo(kRecordedTable)),
              (std::vector<std::string>{"/", "/media/ann/My Player", "/mnt/back\\slash\ttab",
                                        "/sys/fs/cgroup"}));
    for (const char* type : {"fuse", "fuse.ntfs-3g", "fuse.sshfs", "cifs", "smb3", "nfs", "9p",
                             "overlay", "squashfs", "ramfs", "autofs", ""}) {
        EXPECT_FALSE(CanHoldPlayer(type)) << type;
    }
}

TEST(MountTable, UnescapesOnlyOctalBytes) {
    const struct {
        const char* field;
        const char* plain;
    } rows[] = {
        {"/a\\040b", "/a b"}, {"\\134", "\\"},    {"/x\\012", "/x\n"}, {"\\04", "\\04"},
        {"\\0a0", "\\0a0"},   {"\\400", "\\400"}, {"end\\", "end\\"},  {"\\377", "\xff"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UnescapeMountField(row.field), row.plain) << row.field;
    }
}

TEST(MountTable, DecodesHexEscapesOfLabelNames) {
    const struct {
        const char* name;
        const char* label;
    } rows[] = {
        {"My\\x20Player", "My Player"}, {"a\\x2fb", "a/b"},       {"\\x5C", "\\"},
        {"bad\\x2", "bad\\x2"},         {"bad\\xZZ", "bad\\xZZ"}, {"IPOD", "IPOD"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DecodeLabelName(row.name), row.label) << row.name;
    }
}

} // namespace
} // namespace lumbrant
