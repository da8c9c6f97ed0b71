#pragma once

// File paths. On Windows the pieces are joined with "\", elsewhere with "/".

#include <string>

namespace lumbrant {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder, a separator, then name.
std::string JoinPath(const std::string& folder, const std::string& name);

// The local news folder: WorkDir followed by "news" and a separator.
std::string LocalNewsFolder(const std::string& workDir);

// The folder that holds the running executable, without a trailing separator.
std::string ExecutableFolder();

// The running executable's full path.
std::string ExecutablePath();

} // namespace lumbrant
