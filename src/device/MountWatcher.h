#pragma once

// Notices that a drive was attached: the Linux counterpart of the system's
// device-arrival notification. The window asks it each time the kernel says
// that the mount table changed; each question reads the small table once.

#include <string>
#include <vector>

namespace lumbrant {

class MountWatcher {
public:
    // Takes the first reading of the table.
    explicit MountWatcher(std::string mountInfoPath = "/proc/self/mountinfo");

    // Reads the table again; true when a mount that could hold a player is
    // there that was not in the previous reading. A mount is known by its
    // mount id, device and mount point together, so a player unmounted and
    // mounted again at the same folder between two readings is new too.
    // Removals are ignored. A table that cannot be read answers false and
    // keeps the previous reading.
    bool NewMountAppeared();

private:
    std::string mountInfoPath_;
    std::string lastTable_;
    std::vector<std::string> lastMounts_; // ascending
};

} // namespace lumbrant
