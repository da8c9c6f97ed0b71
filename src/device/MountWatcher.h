#pragma once

// Notices that a drive was attached: the Linux counterpart of the system's
// device-arrival notification. The window polls it on a timer (about every
// half second); each poll reads the small mount table once.

#include <string>
#include <vector>

namespace lumbrant {

class MountWatcher {
public:
    // Takes the first reading of the table.
    explicit MountWatcher(std::string mountInfoPath = "/proc/self/mountinfo");

    // Reads the table again; true when a mount point that could hold a player
    // is there that was not in the previous reading. Removals are ignored. A
    // table that cannot be read answers false and keeps the previous reading.
    bool NewMountAppeared();

private:
    std::string mountInfoPath_;
    std::string lastTable_;
    std::vector<std::string> lastMountPoints_; // ascending
};

} // namespace lumbrant
