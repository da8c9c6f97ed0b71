#pragma once

#include "device/DriveTable.h"

namespace lumbrant {

// True for the kinds of drive (GetDriveType) that a player shows up as: a
// fixed or removable local disk. Network shares, optical drives, RAM disks
// and drives of unknown kind never hold one.
bool IsPlayerDriveType(unsigned driveType);

// Windows drives: the letters c to z in use ("c:" ... "z:") of a kind that
// may be a player; a and b are never examined. Label queries and file
// lookups fail quietly on a drive without medium, where the system would
// otherwise ask the user, and a drive that does not answer within
// kDriveAnswerTime counts as holding nothing and having no label.
class DriveTableWin : public DriveTable {
public:
    std::vector<std::string> DriveRoots() override;
    std::optional<std::string> VolumeLabel(const std::string& root) override;
    bool HoldsFile(const std::string& root, const std::vector<std::string>& components) override;
};

} // namespace lumbrant
