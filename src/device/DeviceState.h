#pragma once

#include "device/TiPod.h"

namespace lumbrant {

// The fields of the window that detection keeps and the transfer reads.
struct DeviceState {
    // Set by the first scan that finds a player; nothing sets it back.
    bool DeviceFound = false;
    // The device component: the chosen device's root and the roots kept
    // beside the selector's entries.
    TiPod iPod;
};

} // namespace lumbrant
