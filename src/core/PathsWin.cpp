#include "core/Paths.h"

#include <stdexcept>
#include <windows.h>

namespace lumbrant {

const char kPathSeparator = '\\';

std::string ExecutablePath() {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("Cannot read the executable's path.");
    }
    return std::string(buffer, length);
}

} // namespace lumbrant
