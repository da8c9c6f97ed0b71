#include "device/DriveTableLinux.h"

#include "text/FileIo.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace lumbrant {

namespace fs = std::filesystem;

namespace {

// A folder that other users may write to (/dev/shm, /run/lock, a /tmp on
// tmpfs) or that belongs to another user holds files the user never put
// there: a marker planted in it must not make it a player.
bool IsOwnMountRoot(const std::string& mountPoint) {
    struct stat root {};
    if (::lstat(mountPoint.c_str(), &root) != 0 || !S_ISDIR(root.st_mode)) {
        return false;
    }
    return (root.st_mode & S_IWOTH) == 0 && (root.st_uid == ::geteuid() || root.st_uid == 0);
}

} // namespace

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
    auto roots = PlayerMountPoints(ReadTable());
    std::erase_if(roots, [](const std::string& root) { return !IsOwnMountRoot(root); });
    return roots;
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
