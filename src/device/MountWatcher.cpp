#include "device/MountWatcher.h"

#include "device/MountTable.h"
#include "text/FileIo.h"

#include <algorithm>

namespace lumbrant {

MountWatcher::MountWatcher(std::string mountInfoPath) : mountInfoPath_(std::move(mountInfoPath)) {
    if (auto table = text::ReadFileBytes(mountInfoPath_)) {
        lastTable_ = std::move(*table);
        lastMountPoints_ = PlayerMountPoints(ParseMountInfo(lastTable_));
    }
}

bool MountWatcher::NewMountAppeared() {
    auto table = text::ReadFileBytes(mountInfoPath_);
    // Almost every poll finds the table unchanged; that costs one read and one compare.
    if (!table || *table == lastTable_) {
        return false;
    }
    auto mountPoints = PlayerMountPoints(ParseMountInfo(*table));
    const bool appeared = !std::includes(lastMountPoints_.begin(), lastMountPoints_.end(),
                                         mountPoints.begin(), mountPoints.end());
    lastTable_ = std::move(*table);
    lastMountPoints_ = std::move(mountPoints);
    return appeared;
}

} // namespace lumbrant
