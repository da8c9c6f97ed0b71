#include "device/CaseInsensitivePath.h"
#include "device/NoFollowWin.h"

namespace lumbrant {

namespace {

using Components = std::vector<std::string>;

// Names that differ only in letter case are followed up to this many a
// folder, so that a crafted drive cannot make the walk explode.
constexpr std::size_t kMostCaseVariants = 16;

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualsIgnoringAsciiCase(const std::wstring& name, const std::string& wanted) {
    if (name.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto letter = static_cast<unsigned char>(wanted[i]);
        if (letter > 0x7f || AsciiLower(name[i]) != AsciiLower(static_cast<wchar_t>(letter))) {
            return false;
        }
    }
    return true;
}

std::vector<std::wstring> MatchingNames(const std::wstring& folder, const std::string& name) {
    std::vector<std::wstring> names;
    ForEachName(folder, [&](const std::wstring& entry) {
        if (EqualsIgnoringAsciiCase(entry, name)) {
            names.push_back(entry);
        }
        return names.size() < kMostCaseVariants;
    });
    return names;
}

// A file system that keeps letter case apart may hold "iTunes" and "ITUNES"
// side by side, only one of them leading to the file, so every matching name
// is followed. Each folder on the way stays open, undeletable and
// unrenamable, while the walk looks inside it.
bool Holds(const std::wstring& folder, DWORD volume, Components::const_iterator next,
           Components::const_iterator end) {
    const bool last = next + 1 == end;
    for (const std::wstring& name : MatchingNames(folder, *next)) {
        const FileHandle step =
            OpenNoFollow(folder + name, FILE_READ_ATTRIBUTES, last ? kShareAll : kHoldTheWay);
        const auto facts = step.Valid() ? FactsOf(step.Get()) : std::nullopt;
        if (!facts || facts->Link || facts->Volume != volume) {
            continue;
        }
        if (last ? !facts->Folder
                 : facts->Folder && Holds(folder + name + L'\\', volume, next + 1, end)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool FileExistsIgnoringCase(const std::string& folder, const Components& components) {
    if (components.empty() || folder.empty()) {
        return false;
    }
    const std::wstring start = FolderPrefix(folder);
    const FileHandle root = OpenNoFollow(start, FILE_READ_ATTRIBUTES, kHoldTheWay);
    const auto facts = root.Valid() ? FactsOf(root.Get()) : std::nullopt;
    return facts && facts->Folder && !facts->Link &&
           Holds(start, facts->Volume, components.begin(), components.end());
}

} // namespace lumbrant
