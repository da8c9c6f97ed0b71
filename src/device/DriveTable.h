#pragma once

// The drives the computer shows. On Windows a drive is a letter ("g:"); on
// Linux it is a mount point ("/media/user/IPOD"). Detection only asks for
// the roots and their labels, so a test can present plain folders as drives.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumbrant {

class DriveTable {
public:
    virtual ~DriveTable() = default;

    // The roots of the drives in use, in ascending order, each once. Throws
    // std::runtime_error when the drives cannot be read at all.
    virtual std::vector<std::string> DriveRoots() = 0;

    // The volume label of the drive at root (empty for a drive without one),
    // or nothing when the query fails.
    virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
};

// The drive table of the system the program runs on.
std::unique_ptr<DriveTable> CreateSystemDriveTable();

} // namespace lumbrant
