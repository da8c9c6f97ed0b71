#include "device/DriveTableLinux.h"

#include "text/FileIo.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace lumbrant {

namespace fs = std::filesystem;

DriveTableLinux::DriveTableLinux(std::string mountInfoPath, std::string byLabelFolder)
    : mountInfoPath_(std::move(mountInfoPath)), byLabelFolder_(std::move(byLabelFolder)) {}

std::vector<MountEntry> DriveTableLinux::ReadTable() const {
    const auto table = text::ReadFileBytes(mountInfoPath_);
    if (!table) {
        throw std::runtime_error("Cannot read the mount table \"" + mountInfoPath_ + "\".");
    }
    return ParseMountInfo(*table);
}

std::vector<std::string> DriveTableLinux::DriveRoots() {
    return PlayerMountPoints(ReadTable());
}

std::optional<std::string> DriveTableLinux::VolumeLabel(const std::string& root) {
    std::vector<MountEntry> entries;
    try {
        entries = ReadTable();
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    // Of mounts stacked on one folder, the last one in the table is the visible one.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->MountPoint == root && CanHoldPlayer(entry->FsType)) {
            return LabelOfDevice(entry->Source);
        }
    }
    return std::nullopt;
}

std::string DriveTableLinux::LabelOfDevice(const std::string& source) const {
    // Sources like "tmpfs" or "none" are no device and have no label; a
    // relative name must not be resolved against the current folder.
    if (source.empty() || source.front() != '/') {
        return {};
    }
    std::error_code error;
    const fs::path device = fs::canonical(source, error);
    if (error) {
        return {};
    }
    std::string label;
    fs::directory_iterator links(byLabelFolder_, error);
    for (; !error && links != fs::directory_iterator(); links.increment(error)) {
        std::error_code linkError;
        const fs::path target = fs::canonical(links->path(), linkError);
        if (linkError || target != device) {
            continue;
        }
        // Two labels for one device are a broken udev state; take the smallest
        // name so that the answer does not depend on the listing order.
        const std::string name = DecodeLabelName(links->path().filename().string());
        if (label.empty() || name < label) {
            label = name;
        }
    }
    return label;
}

std::unique_ptr<DriveTable> CreateSystemDriveTable() {
    return std::make_unique<DriveTableLinux>();
}

} // namespace lumbrant
