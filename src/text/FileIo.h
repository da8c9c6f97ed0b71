#pragma once

// Whole-file reads and writes. A file that is rewritten goes whole to a
// temporary name beside it and is then renamed into place, so an interrupted
// write never leaves half a file.

#include <optional>
#include <string>

namespace text {

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes content to path through a temporary file and a rename. Throws
// std::runtime_error with a readable message when that fails.
void WriteFileAtomic(const std::string& path, const std::string& content);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

} // namespace text
