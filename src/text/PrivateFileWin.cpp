#include "text/PrivateFile.h"

namespace text {

std::FILE* OpenPrivateFile(const std::string& path, const char* mode) {
    // "N": the handle is opened without inheritance (_O_NOINHERIT).
    return std::fopen(path.c_str(), (std::string(mode) + "N").c_str());
}

} // namespace text
