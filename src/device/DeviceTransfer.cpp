#include "device/DeviceTransfer.h"

#include "core/LogClass.h"
#include "core/Paths.h"
#include "device/PlayerNotesFolder.h"
#include "text/FileIo.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace lumbrant {

namespace fs = std::filesystem;

namespace {

// The local folder is the program's own, so links in it need no care: one is
// removed as a link, and what it points to is never touched.
void DeleteLocalFiles(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        // Subfolders stay (fs::remove would take an empty one).
        std::error_code statusError;
        const auto status = entries->symlink_status(statusError);
        if (!statusError && status.type() != fs::file_type::directory) {
            std::error_code ignored;
            fs::remove(entries->path(), ignored);
        }
    }
}

// The notes the run wrote: the regular files of the local news folder.
std::vector<fs::path> LocalNotes(const std::string& folder) {
    std::vector<fs::path> notes;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        std::error_code statusError;
        if (entries->symlink_status(statusError).type() == fs::file_type::regular) {
            notes.push_back(entries->path());
        }
    }
    return notes;
}

} // namespace

DeviceTransfer::DeviceTransfer(const DeviceState& state, const std::string& workDir, MainView& view,
                               const ErrorLog& log)
    : state_(state), workDir_(workDir), view_(view), log_(log) {}

void DeviceTransfer::DeleteOldNotes(const std::string& where) {
    if (where == "local") {
        DeleteLocalFiles(LocalNewsFolder(workDir_));
        return;
    }
    std::string whyNot;
    if (auto folder = OpenPlayerNotesFolder(state_.iPod.DeviceRoot, whyNot)) {
        folder->DeleteFiles();
    }
}

bool DeviceTransfer::CopyNotesToDevice() {
    if (!state_.DeviceFound) {
        view_.ShowMessage("iPod Not Connected!");
        return true;
    }
    const std::string localFolder = LocalNewsFolder(workDir_);
    // Every run that writes a note writes the index; without one the run
    // brought nothing (offline, every feed failed, stopped at once), and
    // emptying the player for it would only lose the notes it holds.
    if (!text::FileExists(localFolder + kIndexNoteName)) {
        Log("this run wrote no notes, so the player's notes stay as they were");
        return true;
    }
    std::string whyNot;
    const auto folder = OpenPlayerNotesFolder(state_.iPod.DeviceRoot, whyNot);
    if (!folder) {
        Log("no notes folder on the player, nothing was copied: " + whyNot);
        return false;
    }
    folder->DeleteFiles();
    std::vector<PlayerFileCopy> copies;
    for (const fs::path& note : LocalNotes(localFolder)) {
        copies.push_back({note.filename().string(), note.string()});
    }
    const std::vector<PlayerCopyFailure> failures = folder->PutFiles(copies);
    for (const PlayerCopyFailure& failure : failures) {
        Log(failure.Name + ": " + failure.Why);
    }
    return failures.empty();
}

void DeviceTransfer::Log(const std::string& message) {
    log_.Write("CopyNotesToDevice:" + message);
}

} // namespace lumbrant
