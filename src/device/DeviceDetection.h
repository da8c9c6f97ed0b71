#pragma once

// Finds the connected players among the drives, lists them in the device
// selector and records which one the notes go to (DeviceFound and
// iPod.DeviceRoot). A drive is a player when it holds the music
// database file "iPod_Control/iTunes/itunesdb", whatever the letter case.

#include "core/LogClass.h"
#include "core/MainView.h"
#include "device/DeviceState.h"
#include "device/DriveTable.h"

#include <string>

namespace lumbrant {

inline constexpr unsigned kDeviceArrival = 0x8000; // DBT_DEVICEARRIVAL
inline constexpr char kNoDeviceText[] = "Please connect your iPod";

class DeviceDetection {
public:
    DeviceDetection(DeviceState& state, MainView& view, DriveTable& drives, const ErrorLog& log);

    // Rebuilds the selector from the drives, selecting the last player found;
    // true when at least one player was found. Errors are logged, never thrown.
    bool GetiPodDriver();

    // The label part of a selector entry for root: " [" + lower-case label + "]  ".
    std::string GetVolumInformation(const std::string& root);

    // The device-change notification: an arrival starts a scan, all else is ignored.
    void WMDeviceChange(unsigned wParam);

    // The selector's list closed on the entry at chosenIndex (0-based).
    void iPodSelectorComCloseUp(int chosenIndex);

private:
    DeviceState& state_;
    MainView& view_;
    DriveTable& drives_;
    const ErrorLog& log_;
};

} // namespace lumbrant
