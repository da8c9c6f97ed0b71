#include "device/NoFollowWin.h"
#include "device/PlayerNotesFolder.h"
#include "text/WideText.h"

#include <system_error>
#include <vector>

namespace lumbrant {

namespace {

constexpr DWORD kCopyChunk = 64 * 1024;

// "<what>: <the system's words for error>".
std::string Failed(const std::string& what, DWORD error) {
    return what + ": " + std::system_category().message(static_cast<int>(error));
}

// Why the entry behind handle cannot be replaced by a copy; empty when it can.
std::string ObstacleOf(const EntryFacts& facts) {
    if (facts.Link) {
        return "a symbolic link of that name is in the way";
    }
    if (facts.Folder) {
        return "a folder of that name is in the way";
    }
    if (facts.ReadOnly) {
        return "the file there is read-only";
    }
    return {};
}

// Deletes the file behind handle (opened with DELETE access) through that
// handle, so that what was checked is what goes.
bool DeleteThrough(HANDLE handle) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

// Renames the file behind handle (opened with DELETE access) to target, a
// whole path, replacing a plain file there.
bool RenameThrough(HANDLE handle, const std::wstring& target) {
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    target.copy(rename->FileName, target.size());
    rename->FileName[target.size()] = L'\0';
    return SetFileInformationByHandle(handle, FileRenameInfo, rename,
                                      static_cast<DWORD>(buffer.size())) != 0;
}

std::string CopyAll(HANDLE from, HANDLE to) {
    std::vector<char> buffer(kCopyChunk);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(from, buffer.data(), kCopyChunk, &got, nullptr)) {
            return Failed("reading failed", GetLastError());
        }
        if (got == 0) {
            return {};
        }
        DWORD put = 0;
        if (!WriteFile(to, buffer.data(), got, &put, nullptr) || put != got) {
            return Failed("writing failed", GetLastError());
        }
    }
}

// Opens the folder name inside parent (a path ending in a separator) and
// holds it: not a link, a folder, and on the volume of the player's root.
FileHandle OpenStep(const std::wstring& parent, const wchar_t* name, DWORD volume,
                    std::string& whyNot) {
    const std::wstring path = parent + name;
    FileHandle step = OpenNoFollow(path, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES, kHoldTheWay);
    const auto facts = step.Valid() ? FactsOf(step.Get()) : std::nullopt;
    const DWORD error = GetLastError();
    const std::string shown = text::FromWide(path);
    if (!facts) {
        whyNot = Failed(shown, error);
    } else if (facts->Link) {
        whyNot = shown + " is a symbolic link";
    } else if (!facts->Folder) {
        whyNot = shown + " is no folder";
    } else if (facts->Volume != volume) {
        whyNot = shown + " lies on another file system than the player";
    } else {
        return step;
    }
    return FileHandle();
}

class WindowsNotesFolder : public PlayerNotesFolder {
public:
    WindowsNotesFolder(std::wstring folder, FileHandle notes, FileHandle news)
        : folder_(std::move(folder)), notes_(std::move(notes)), news_(std::move(news)) {}

    // Each entry is opened itself, never what a link leads to, and deleted
    // through that handle when it is a plain file that the user may change.
    void DeleteFiles() override {
        ForEachName(folder_, [&](const std::wstring& name) {
            const FileHandle entry =
                OpenNoFollow(folder_ + name, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
            const auto facts = entry.Valid() ? FactsOf(entry.Get()) : std::nullopt;
            if (facts && ObstacleOf(*facts).empty()) {
                DeleteThrough(entry.Get());
            }
            return true;
        });
    }

    // Each copy is written and flushed under a name of its own, then renamed
    // through its handle over its name while the folders on the way are held.
    std::vector<PlayerCopyFailure> PutFiles(const std::vector<PlayerFileCopy>& files) override {
        std::vector<PlayerCopyFailure> failures;
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::wstring temporary =
                text::ToWide(kPartialCopyPrefix + std::to_string(i) + ".part");
            if (std::string why = Put(files[i], temporary); !why.empty()) {
                failures.push_back({files[i].Name, std::move(why)});
            }
        }
        return failures;
    }

private:
    // Why name cannot take a copy; empty when it can.
    std::string Obstacle(const std::wstring& name) const {
        const FileHandle entry = OpenNoFollow(folder_ + name, FILE_READ_ATTRIBUTES, kShareAll);
        if (!entry.Valid()) {
            return {};
        }
        const auto facts = FactsOf(entry.Get());
        return facts ? ObstacleOf(*facts) : Failed("cannot look at the file there", GetLastError());
    }

    // A copy left by an unplugged player goes; a link or folder of its name stays.
    void RemoveLeftover(const std::wstring& temporary) const {
        const FileHandle leftover =
            OpenNoFollow(folder_ + temporary, DELETE | FILE_READ_ATTRIBUTES, kShareAll);
        const auto facts = leftover.Valid() ? FactsOf(leftover.Get()) : std::nullopt;
        if (facts && !facts->Folder) {
            DeleteThrough(leftover.Get());
        }
    }

    std::string Put(const PlayerFileCopy& file, const std::wstring& temporary) const {
        const std::wstring name = text::ToWide(file.Name);
        if (std::string why = Obstacle(name); !why.empty()) {
            return why;
        }
        const FileHandle source =
            OpenNoFollow(text::ToWide(file.SourcePath), GENERIC_READ, FILE_SHARE_READ);
        const auto sourceFacts = source.Valid() ? FactsOf(source.Get()) : std::nullopt;
        if (!sourceFacts) {
            return Failed("cannot read " + file.SourcePath, GetLastError());
        }
        if (sourceFacts->Link || sourceFacts->Folder) {
            return "cannot read " + file.SourcePath + ": no plain file";
        }
        RemoveLeftover(temporary);
        FileHandle part = OpenNoFollow(folder_ + temporary, GENERIC_WRITE | DELETE, 0, CREATE_NEW);
        if (!part.Valid()) {
            const DWORD error = GetLastError();
            return Failed("cannot create " + text::FromWide(temporary), error);
        }
        std::string why = CopyAll(source.Get(), part.Get());
        // Without this a player unplugged after the rename could hold a note
        // whose bytes never reached it.
        if (why.empty() && !FlushFileBuffers(part.Get())) {
            why = Failed("flushing failed", GetLastError());
        }
        if (why.empty() && !RenameThrough(part.Get(), folder_ + name)) {
            why = Failed("renaming failed", GetLastError());
        }
        if (!why.empty()) {
            DeleteThrough(part.Get());
            return why;
        }
        // The new name reaches the disk with the file's own entry.
        if (!FlushFileBuffers(part.Get())) {
            return Failed("flushing the renamed copy failed", GetLastError());
        }
        return {};
    }

    std::wstring folder_;
    // Held, and so neither renamed nor swapped for a link, while the folder is in use.
    FileHandle notes_;
    FileHandle news_;
};

} // namespace

std::unique_ptr<PlayerNotesFolder> OpenPlayerNotesFolder(const std::string& root,
                                                         std::string& whyNot) {
    // Joined with the separator, an empty root would name the top of the current drive.
    if (root.empty()) {
        whyNot = "no player was chosen";
        return nullptr;
    }
    const std::wstring top = FolderPrefix(root);
    const FileHandle rootFolder = OpenNoFollow(top, FILE_READ_ATTRIBUTES, kShareAll);
    const auto rootFacts = rootFolder.Valid() ? FactsOf(rootFolder.Get()) : std::nullopt;
    if (!rootFacts || !rootFacts->Folder) {
        whyNot = Failed(root, GetLastError());
        return nullptr;
    }
    FileHandle notes = OpenStep(top, L"Notes", rootFacts->Volume, whyNot);
    if (!notes.Valid()) {
        return nullptr;
    }
    FileHandle news = OpenStep(top + L"Notes\\", L"news", rootFacts->Volume, whyNot);
    if (!news.Valid()) {
        return nullptr;
    }
    return std::make_unique<WindowsNotesFolder>(top + L"Notes\\news\\", std::move(notes),
                                                std::move(news));
}

} // namespace lumbrant
