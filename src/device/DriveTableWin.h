#pragma once

#include "device/DriveTable.h"

namespace lumbrant {

// Windows drives: the letters c to z in use ("c:" ... "z:"); a and b are
// never examined. Label queries fail quietly on a drive without medium.
class DriveTableWin : public DriveTable {
public:
    std::vector<std::string> DriveRoots() override;
    std::optional<std::string> VolumeLabel(const std::string& root) override;
};

} // namespace lumbrant
