#include "device/DeviceDetection.h"

#include "core/LogClass.h"
#include "text/ByteText.h"

#include <exception>

namespace lumbrant {

namespace {

const std::vector<std::string> kMarkerPath = {"iPod_Control", "iTunes", "itunesdb"};

} // namespace

DeviceDetection::DeviceDetection(DeviceState& state, MainView& view, DriveTable& drives,
                                 const ErrorLog& log)
    : state_(state), view_(view), drives_(drives), log_(log) {}

bool DeviceDetection::GetiPodDriver() {
    bool found = false;
    try {
        view_.ClearDeviceEntries();
        state_.iPod.EntryRoots.clear();
        for (const std::string& root : drives_.DriveRoots()) {
            if (!drives_.HoldsFile(root, kMarkerPath)) {
                continue;
            }
            // The root is kept beside the entry: a label may hold any text,
            // so the entry is never read back to find the drive.
            view_.AddDeviceEntry(GetVolumInformation(root) + root);
            state_.iPod.EntryRoots.push_back(root);
            state_.DeviceFound = true;
            state_.iPod.DeviceRoot = root;
            found = true;
        }
        if (!state_.iPod.EntryRoots.empty()) {
            view_.ShowStatus(std::to_string(state_.iPod.EntryRoots.size()) + " iPod detected.");
        } else {
            view_.AddDeviceEntry(kNoDeviceText);
            view_.ShowStatus(kNoDeviceText);
        }
    } catch (const std::exception& error) {
        log_.Write(std::string("GetiPodDriver:") + error.what());
    }
    return found;
}

std::string DeviceDetection::GetVolumInformation(const std::string& root) {
    std::string part;
    try {
        const std::string label = drives_.VolumeLabel(root).value_or(std::string());
        part = " [" + text::AsciiLower(label) + "]  ";
    } catch (const std::exception& error) {
        log_.Write(std::string("GetVolumInformation:") + error.what());
    }
    return part;
}

void DeviceDetection::WMDeviceChange(unsigned wParam) {
    if (wParam == kDeviceArrival) {
        GetiPodDriver();
    }
}

void DeviceDetection::iPodSelectorComCloseUp(int chosenIndex) {
    if (!state_.DeviceFound) {
        return;
    }
    const auto& roots = state_.iPod.EntryRoots;
    // The placeholder entry has no root: the earlier choice stays.
    if (chosenIndex < 0 || static_cast<std::size_t>(chosenIndex) >= roots.size() ||
        roots[static_cast<std::size_t>(chosenIndex)].empty()) {
        return;
    }
    state_.iPod.DeviceRoot = roots[static_cast<std::size_t>(chosenIndex)];
}

} // namespace lumbrant
