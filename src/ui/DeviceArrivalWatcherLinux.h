#pragma once

#include "ui/DeviceArrivalWatcher.h"

#include <string>

namespace lumbrant {

// Watches the mount table at mountInfoPath for new mounts that could hold a
// player. The kernel marks its table of this process's mounts
// (/proc/self/mountinfo) exceptional (POLLPRI) on every mount and unmount,
// so the table is read again at once after each change and never in
// between; the table read may be another one (tests use recorded tables and
// still hear the kernel's changes).
std::unique_ptr<DeviceArrivalWatcher> WatchMountTable(const std::string& mountInfoPath);

} // namespace lumbrant
