#pragma once

// The platform's part of whole-file reads and writes: DurableFilePosix.cpp
// or DurableFileWin.cpp, chosen by CMake.

#include <string>
#include <string_view>
#include <system_error>

namespace text {

// The id of the running process, which tells apart the temporary files of
// programs that write beside each other.
unsigned long CurrentProcessId();

// Creates the file at path (emptying one that is there), writes content,
// flushes it to the disk when flush is set, and closes it. Answers the first
// error; the file may then be left behind.
std::error_code WriteNewFile(const std::string& path, std::string_view content, bool flush);

// Appends content to the existing file at path and, with flush set, flushes
// it to the disk. On an error the file is cut back to its former length.
std::error_code AppendWhole(const std::string& path, std::string_view content, bool flush);

// Flushes the existing file at path to the disk.
std::error_code FlushToDisk(const std::string& path);

// Renames the file from to to, replacing a file at to. With flush set, the
// rename itself reaches the disk before this answers (the folder that holds
// the name is flushed too).
std::error_code MoveIntoPlace(const std::string& from, const std::string& to, bool flush);

} // namespace text
