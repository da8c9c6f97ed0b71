#include "core/Paths.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace lumbrant {

const char kPathSeparator = '/';

std::string ExecutablePath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw std::runtime_error("Cannot read the executable's path: " + error.message());
    }
    return path.string();
}

} // namespace lumbrant
