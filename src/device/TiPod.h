#pragma once

#include <string>
#include <vector>

namespace lumbrant {

// The device component: the root of the chosen device, and the root of every
// entry of the device selector in the order of the entries (the placeholder
// entry has none), so that a choice never has to be read back from an
// entry's text.
struct TiPod {
    std::string DeviceRoot;
    std::vector<std::string> EntryRoots;
};

} // namespace lumbrant
