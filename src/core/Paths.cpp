#include "core/Paths.h"

namespace lumbrant {

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + kPathSeparator + name;
}

std::string LocalNewsFolder(const std::string& workDir) {
    return JoinPath(workDir, "news") + kPathSeparator;
}

std::string FolderOfPath(const std::string& path) {
    const auto cut = path.find_last_of(kPathSeparator);
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

} // namespace lumbrant
