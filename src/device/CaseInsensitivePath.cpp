#include "device/CaseInsensitivePath.h"

#include "text/ByteText.h"

#include <filesystem>
#include <system_error>

namespace lumbrant {

namespace fs = std::filesystem;

namespace {

using Components = std::vector<std::string>;

// A case-sensitive file system may hold "iTunes" and "ITUNES" side by side,
// only one of them leading to the file, so every matching name is followed.
bool Holds(const fs::path& folder, Components::const_iterator next,
           Components::const_iterator end) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        if (!text::EqualsIgnoreCase(entries->path().filename().string(), *next)) {
            continue;
        }
        std::error_code statusError;
        if (next + 1 == end) {
            if (entries->is_regular_file(statusError)) {
                return true;
            }
        } else if (entries->is_directory(statusError) && Holds(entries->path(), next + 1, end)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool FileExistsIgnoringCase(const std::string& folder, const Components& components) {
    if (components.empty()) {
        return false;
    }
    // "g:" alone names the current folder of drive g, not its root.
    fs::path start(folder);
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') {
        start += fs::path::preferred_separator;
    }
    return Holds(start, components.begin(), components.end());
}

} // namespace lumbrant
