#pragma once

#include "device/DriveTable.h"

namespace lumbrant {

// Windows drives: the letters c to z in use ("c:" ... "z:"); a and b are
// never examined. Label queries and file lookups fail quietly on a drive
// without medium, where the system would otherwise ask the user.
class DriveTableWin : public DriveTable {
public:
    std::vector<std::string> DriveRoots() override;
    std::optional<std::string> VolumeLabel(const std::string& root) override;
    bool HoldsFile(const std::string& root, const std::vector<std::string>& components) override;
};

} // namespace lumbrant
