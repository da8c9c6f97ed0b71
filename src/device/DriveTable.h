#pragma once

// The drives the computer shows. On Windows a drive is a letter ("g:"); on
// Linux it is a mount point ("/media/user/IPOD"). Detection only asks for
// the roots and their labels, so a test can present plain folders as drives.

#include "device/CaseInsensitivePath.h"

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

    // True when the drive at root holds the file under components, letter
    // case ignored (see FileExistsIgnoringCase).
    virtual bool HoldsFile(const std::string& root, const std::vector<std::string>& components) {
        return FileExistsIgnoringCase(root, components);
    }
};

// The drive table of the system the program runs on.
std::unique_ptr<DriveTable> CreateSystemDriveTable();

} // namespace lumbrant
