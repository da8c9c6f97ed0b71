#include "platform/Paths.h"

#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace lumbrant {

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + kPathSeparator + name;
}

std::string LocalNewsFolder(const std::string& workDir) {
    return JoinPath(workDir, "news") + kPathSeparator;
}

std::string ExecutablePath() {
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("Cannot read the executable's path.");
    }
    return std::string(buffer, length);
#else
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw std::runtime_error("Cannot read the executable's path: " + error.message());
    }
    return path.string();
#endif
}

std::string ExecutableFolder() {
    const std::string path = ExecutablePath();
    const auto cut = path.find_last_of(kPathSeparator);
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

} // namespace lumbrant
