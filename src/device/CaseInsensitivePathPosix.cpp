#include "device/CaseInsensitivePath.h"
#include "text/ByteText.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumbrant {

namespace {

using Components = std::vector<std::string>;

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Names that differ only in letter case are followed up to this many a
// folder, so that a crafted player cannot make the walk explode.
constexpr std::size_t kMostCaseVariants = 16;

// The names in the folder open at folder that match name ignoring case.
std::vector<std::string> MatchingNames(int folder, const std::string& name) {
    std::vector<std::string> names;
    // The listing gets a descriptor of its own, which closedir closes.
    const int listingFolder = ::openat(folder, ".", kFolderFlags);
    DIR* listing = listingFolder < 0 ? nullptr : ::fdopendir(listingFolder);
    if (listing == nullptr) {
        if (listingFolder >= 0) {
            ::close(listingFolder);
        }
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (text::EqualsIgnoreCase(entry->d_name, name)) {
            names.emplace_back(entry->d_name);
            if (names.size() == kMostCaseVariants) {
                break;
            }
        }
    }
    ::closedir(listing);
    return names;
}

// A case-sensitive file system may hold "iTunes" and "ITUNES" side by side,
// only one of them leading to the file, so every matching name is followed.
bool Holds(int folder, dev_t device, Components::const_iterator next,
           Components::const_iterator end) {
    for (const std::string& name : MatchingNames(folder, *next)) {
        if (next + 1 == end) {
            struct stat file {};
            if (::fstatat(folder, name.c_str(), &file, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(file.st_mode)) {
                return true;
            }
            continue;
        }
        const int step = ::openat(folder, name.c_str(), kFolderFlags);
        if (step < 0) {
            continue;
        }
        struct stat opened {};
        const bool holds = ::fstat(step, &opened) == 0 && opened.st_dev == device &&
                           Holds(step, device, next + 1, end);
        ::close(step);
        if (holds) {
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
    const int root = ::open(folder.c_str(), kFolderFlags);
    if (root < 0) {
        return false;
    }
    struct stat rootStatus {};
    const bool holds = ::fstat(root, &rootStatus) == 0 &&
                       Holds(root, rootStatus.st_dev, components.begin(), components.end());
    ::close(root);
    return holds;
}

} // namespace lumbrant
