#include "device/DeviceTransfer.h"

#include "core/LogClass.h"
#include "device/PlayerNotesFolder.h"
#include "core/Paths.h"

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

DeviceTransfer::DeviceTransfer(MainState& state, MainView& view) : state_(state), view_(view) {}

void DeviceTransfer::DeleteOldNotes(const std::string& where) {
    if (where == "local") {
        DeleteLocalFiles(LocalNewsFolder(state_.WorkDir));
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
    const std::vector<fs::path> notes = LocalNotes(LocalNewsFolder(state_.WorkDir));
    std::string whyNot;
    const auto folder = OpenPlayerNotesFolder(state_.iPod.DeviceRoot, whyNot);
    if (!folder) {
        Log("no notes folder on the player, nothing was copied: " + whyNot);
        return notes.empty();
    }
    folder->DeleteFiles();
    bool whole = true;
    for (const fs::path& note : notes) {
        const std::string name = note.filename().string();
        const std::string why = folder->PutFile(name, note.string());
        if (!why.empty()) {
            Log(name + ": " + why);
            whole = false;
        }
    }
    return whole;
}

void DeviceTransfer::Log(const std::string& message) {
    TLogClass::WriteLog(state_.LogCounter, state_.WorkDir, "CopyNotesToDevice:" + message);
}

} // namespace lumbrant
