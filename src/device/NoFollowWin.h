#pragma once

// Files and folders of a drive opened without following a link: a handle on
// a reparse point (a symbolic link, a junction, a volume mounted on a
// folder) is a handle on the reparse point itself, which the callers refuse.
// A folder held open without FILE_SHARE_DELETE cannot be renamed, deleted
// or swapped for a link while it is held, so a path through held folders
// leads where it led when they were checked.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <windows.h>

namespace lumbrant {

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // False when the system reports an error on closing.
    bool Close() {
        return !Valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Sharing of a folder on the way: others may read and write in it, but
// nobody may rename or delete it while it is held.
inline constexpr DWORD kHoldTheWay = FILE_SHARE_READ | FILE_SHARE_WRITE;
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What the entry at path is, itself: a link is never followed. No handle
// (and GetLastError set) when nothing can be opened there.
FileHandle OpenNoFollow(const std::wstring& path, DWORD access, DWORD sharing,
                        DWORD disposition = OPEN_EXISTING,
                        DWORD attributes = FILE_ATTRIBUTE_NORMAL);

struct EntryFacts {
    bool Link = false;
    bool Folder = false;
    bool ReadOnly = false;
    DWORD Volume = 0;
};

// What the handle is open on, or nothing when the system will not say.
std::optional<EntryFacts> FactsOf(HANDLE handle);

// Calls visit with the name of every entry of the folder (a path ending in
// a separator), "." and ".." left out, until visit answers false. An
// unreadable folder has no entries.
void ForEachName(const std::wstring& folder, const std::function<bool(const std::wstring&)>& visit);

// A drive root ("g:") or folder with one separator at its end.
std::wstring FolderPrefix(const std::string& folder);

} // namespace lumbrant
