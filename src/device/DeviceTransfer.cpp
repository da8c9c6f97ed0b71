#include "device/DeviceTransfer.h"

#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace lumbrant {

namespace fs = std::filesystem;

namespace {

void DeleteFilesIn(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        // Subfolders stay (fs::remove would take an empty one); a link is
        // removed as a link, and what it points to is never touched.
        std::error_code statusError;
        const auto status = entries->symlink_status(statusError);
        if (!statusError && status.type() != fs::file_type::directory) {
            std::error_code ignored;
            fs::remove(entries->path(), ignored);
        }
    }
}

} // namespace

std::string DeviceNewsFolder(const std::string& root) {
    // Without this guard an empty root would name a folder at the top of the
    // current file system instead of no device at all.
    if (root.empty()) {
        return {};
    }
    return JoinPath(JoinPath(root, "Notes"), "news");
}

DeviceTransfer::DeviceTransfer(MainState& state, MainView& view) : state_(state), view_(view) {}

void DeviceTransfer::DeleteOldNotes(const std::string& where) {
    DeleteFilesIn(where == "local" ? LocalNewsFolder(state_.WorkDir)
                                   : DeviceNewsFolder(state_.iPod.DeviceRoot));
}

void DeviceTransfer::CopyNotesToDevice() {
    if (!state_.DeviceFound) {
        view_.ShowMessage("iPod Not Connected!");
        return;
    }
    DeleteOldNotes("ipod");
    const std::string target = DeviceNewsFolder(state_.iPod.DeviceRoot);
    std::error_code error;
    if (target.empty() || !fs::is_directory(target, error)) {
        return;
    }
    fs::directory_iterator entries(LocalNewsFolder(state_.WorkDir), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        fs::copy_file(entries->path(), fs::path(target) / entries->path().filename(),
                      fs::copy_options::overwrite_existing, ignored);
    }
}

} // namespace lumbrant
