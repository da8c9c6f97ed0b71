#pragma once

// File paths, joined with this platform's separator ("\" on Windows, "/"
// elsewhere). The platform's part lives in PathsPosix.cpp and PathsWin.cpp.

#include <string>

namespace lumbrant {

extern const char kPathSeparator;

// folder, a separator, then name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The local news folder: WorkDir followed by "news" and a separator.
std::string LocalNewsFolder(const std::string& workDir);

// The folder part of a full path, without a trailing separator; empty when
// the path has no separator.
std::string FolderOfPath(const std::string& path);

// The running executable's full path. Throws std::runtime_error when the
// system does not tell.
std::string ExecutablePath();

} // namespace lumbrant
