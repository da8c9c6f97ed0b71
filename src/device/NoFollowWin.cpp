#include "device/NoFollowWin.h"

#include "text/WideText.h"

namespace lumbrant {

FileHandle OpenNoFollow(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition,
                        DWORD attributes) {
    // Folders open only with backup semantics; without security attributes
    // no started program inherits the handle.
    return FileHandle(CreateFileW(
        path.c_str(), access, sharing, nullptr, disposition,
        attributes | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<EntryFacts> FactsOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) {
        return std::nullopt;
    }
    EntryFacts facts;
    facts.Link = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    facts.Folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.ReadOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.Volume = info.dwVolumeSerialNumber;
    return facts;
}

void ForEachName(const std::wstring& folder,
                 const std::function<bool(const std::wstring&)>& visit) {
    WIN32_FIND_DATAW entry;
    const HANDLE listing = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &entry,
                                            FindExSearchNameMatch, nullptr, 0);
    if (listing == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L".." && !visit(name)) {
            break;
        }
    } while (FindNextFileW(listing, &entry));
    FindClose(listing);
}

std::wstring FolderPrefix(const std::string& folder) {
    std::wstring prefix = text::ToWide(folder);
    // "g:" alone names the current folder of drive g, not its root.
    if (!prefix.empty() && prefix.back() != L'\\' && prefix.back() != L'/') {
        prefix += L'\\';
    }
    return prefix;
}

} // namespace lumbrant
