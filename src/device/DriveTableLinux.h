#pragma once

#include "device/DriveTable.h"
#include "device/MountTable.h"

namespace lumbrant {

// Linux drives: the mount points of the mount table whose file system can
// carry a player (see CanHoldPlayer) and whose root belongs to the user or
// to root and is not writable by others; labels from the links in
// /dev/disk/by-label. Both places are parameters so that tests can use
// recorded tables.
class DriveTableLinux : public DriveTable {
public:
    explicit DriveTableLinux(std::string mountInfoPath = "/proc/self/mountinfo",
                             std::string byLabelFolder = "/dev/disk/by-label");

    std::vector<std::string> DriveRoots() override;
    // The label of the device mounted last at root; empty when no label
    // link leads to it; nothing when root is not a mount point of the table.
    std::optional<std::string> VolumeLabel(const std::string& root) override;

private:
    std::vector<MountEntry> ReadTable() const;
    std::string LabelOfDevice(const std::string& source) const;

    std::string mountInfoPath_;
    std::string byLabelFolder_;
};

} // namespace lumbrant
