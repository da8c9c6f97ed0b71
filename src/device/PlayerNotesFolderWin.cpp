#include "core/Paths.h"
#include "device/PlayerNotesFolder.h"

#include <filesystem>
#include <system_error>
#include <windows.h>

namespace lumbrant {

namespace fs = std::filesystem;

namespace {

std::string Failed(const std::string& what) {
    return what + ": Windows error " + std::to_string(GetLastError());
}

// FAT and exFAT players hold no links; on NTFS a junction, a link or a
// volume mounted on a folder is a reparse point and is refused, so that the
// way to the notes never leaves the player.
bool IsPlainFolder(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

bool IsReadOnly(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// CopyFile leaves the data to the cache; a player unplugged after the rename
// must not hold a note whose bytes never reached it.
bool Flush(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool flushed = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return flushed;
}

class WindowsNotesFolder : public PlayerNotesFolder {
public:
    explicit WindowsNotesFolder(std::string folder) : folder_(std::move(folder)) {}

    // DeleteFile refuses a read-only file by itself; the check says so plainly.
    // The player's names may hold any character, so they stay wide.
    void DeleteFiles() override {
        std::error_code error;
        fs::directory_iterator entries(folder_, error);
        for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
            const wchar_t* path = entries->path().c_str();
            const DWORD attributes = GetFileAttributesW(path);
            if (attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
                !IsReadOnly(attributes)) {
                DeleteFileW(path);
            }
        }
    }

    std::string PutFile(const std::string& name, const std::string& sourcePath) override {
        const std::string target = JoinPath(folder_, name);
        const DWORD attributes = GetFileAttributesA(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                return "a symbolic link of that name is in the way";
            }
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                return "a folder of that name is in the way";
            }
        }
        if (IsReadOnly(attributes)) {
            return "the file there is read-only";
        }
        const std::string part = JoinPath(folder_, kPartialCopyName);
        if (!CopyFileA(sourcePath.c_str(), part.c_str(), TRUE)) {
            return Failed(std::string("cannot create ") + kPartialCopyName);
        }
        std::string why;
        if (!Flush(part)) {
            why = Failed("flushing failed");
        } else if (!MoveFileExA(part.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            why = Failed("renaming failed");
        }
        if (!why.empty()) {
            DeleteFileA(part.c_str());
        }
        return why;
    }

private:
    std::string folder_;
};

} // namespace

std::unique_ptr<PlayerNotesFolder> OpenPlayerNotesFolder(const std::string& root,
                                                         std::string& whyNot) {
    // Joined with the separator, an empty root would name the top of the current drive.
    if (root.empty()) {
        whyNot = "no player was chosen";
        return nullptr;
    }
    // "g:" alone names the current folder of drive g, JoinPath adds the separator.
    const std::string notes = JoinPath(root, "Notes");
    const std::string news = JoinPath(notes, "news");
    for (const std::string& step : {notes, news}) {
        if (!IsPlainFolder(step)) {
            whyNot = step + " is no folder";
            return nullptr;
        }
    }
    return std::make_unique<WindowsNotesFolder>(news);
}

} // namespace lumbrant
