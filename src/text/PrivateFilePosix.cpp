#include "text/PrivateFile.h"

namespace text {

std::FILE* OpenPrivateFile(const std::string& path, const char* mode) {
    // "e": the descriptor is opened with O_CLOEXEC.
    return std::fopen(path.c_str(), (std::string(mode) + "e").c_str());
}

} // namespace text
