#include "device/MountWatcher.h"

#include "device/MountTable.h"
#include "text/FileIo.h"

#include <algorithm>

namespace lumbrant {

namespace {

// The mounts that could hold a player, each as "id device mount point", ascending.
std::vector<std::string> PlayerMounts(const std::string& table) {
    std::vector<std::string> mounts;
    for (const auto& entry : ParseMountInfo(table)) {
        if (CanHoldPlayer(entry.FsType)) {
            mounts.push_back(entry.MountId + ' ' + entry.Device + ' ' + entry.MountPoint);
        }
    }
    std::sort(mounts.begin(), mounts.end());
    return mounts;
}

} // namespace

MountWatcher::MountWatcher(std::string mountInfoPath) : mountInfoPath_(std::move(mountInfoPath)) {
    if (auto table = text::ReadFileBytes(mountInfoPath_)) {
        lastTable_ = std::move(*table);
        lastMounts_ = PlayerMounts(lastTable_);
    }
}

bool MountWatcher::NewMountAppeared() {
    auto table = text::ReadFileBytes(mountInfoPath_);
    // Most changes concern other mounts; an unchanged table costs one read and one compare.
    if (!table || *table == lastTable_) {
        return false;
    }
    auto mounts = PlayerMounts(*table);
    const bool appeared =
        !std::includes(lastMounts_.begin(), lastMounts_.end(), mounts.begin(), mounts.end());
    lastTable_ = std::move(*table);
    lastMounts_ = std::move(mounts);
    return appeared;
}

} // namespace lumbrant
