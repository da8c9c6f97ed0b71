#pragma once

// Files opened for this program alone: no program that it starts inherits
// the open file (PrivateFilePosix.cpp: close on exec; PrivateFileWin.cpp: a
// handle that is not inheritable). The C library's own fopen gives away
// both, so every file that this program opens goes through here.

#include <cstdio>
#include <string>

namespace text {

// As std::fopen(path, mode), mode being one of "rb" and "wb".
std::FILE* OpenPrivateFile(const std::string& path, const char* mode);

} // namespace text
