#pragma once

// Whole-file reads and writes. A file that is rewritten goes whole to a
// temporary name beside it and is then renamed into place, so that neither
// an interrupted write nor a crash leaves half a file; a file that must last
// is flushed to the disk, and its new name with it.

#include <optional>
#include <string>
#include <string_view>

namespace text {

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The file's bytes, or nothing when there is no file at path. Throws
// std::runtime_error when something is there that cannot be read (or when
// that cannot be told), so that a file is never started afresh over
// content that could not be read.
std::optional<std::string> ReadFileIfPresent(const std::string& path);

// A name beside path that no other writer, in this process or another, is
// given: path, the process id, a count, then ending.
std::string UniqueNameBeside(const std::string& path, std::string_view ending);

// Whether a write reaches the disk before it answers.
enum class Durability {
    // Flushed to the disk, the file and its new name, so that a crash or a
    // power cut keeps it.
    Flushed,
    // Left to the system's cache: a file that only lives until the next run
    // deletes it, or one flushed later as a whole (FlushFile).
    Unflushed,
};

// Writes content to path through a temporary file of a name of its own and
// a rename. Throws std::runtime_error with a readable message when that
// fails, and then leaves neither the temporary file nor a changed path.
void WriteFileAtomic(const std::string& path, const std::string& content,
                     Durability durability = Durability::Flushed);

// Adds content at the end of the file at path, which must be there.
// Throws std::runtime_error when that fails, and then leaves the file as it was.
void AppendToFile(const std::string& path, std::string_view content,
                  Durability durability = Durability::Flushed);

// Flushes the file at path to the disk, if it is there.
void FlushFile(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

} // namespace text
