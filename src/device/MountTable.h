#pragma once

// Reading the kernel's mount table (the text of /proc/self/mountinfo). Pure
// functions on text, so that recorded tables can be tested anywhere.

#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

struct MountEntry {
    std::string MountId;    // the kernel may give a freed id to a later mount
    std::string Device;     // major:minor
    std::string MountPoint; // unescaped
    std::string FsType;
    std::string Source; // unescaped; a device path or a free text like "tmpfs"
};

// One entry per well-formed line, in the table's order; malformed lines are passed over.
std::vector<MountEntry> ParseMountInfo(std::string_view table);

// The kernel writes blank, tab, newline and backslash in paths as \040,
// \011, \012 and \134; any three-digit octal escape is decoded.
std::string UnescapeMountField(std::string_view field);

// True only for the file systems a player or a disk can carry (vfat, exfat,
// hfsplus, ntfs, ext4, ... and tmpfs for demo players). Pseudo, automount,
// network and FUSE file systems are never players, and looking into a
// network or automount folder can block or trigger a mount.
bool CanHoldPlayer(std::string_view fsType);

// The mount points of the entries that can hold a player, ascending, each once.
std::vector<std::string> PlayerMountPoints(const std::vector<MountEntry>& entries);

// The names in /dev/disk/by-label carry unsafe bytes as \xHH ("My\x20Disk").
std::string DecodeLabelName(std::string_view name);

} // namespace lumbrant
