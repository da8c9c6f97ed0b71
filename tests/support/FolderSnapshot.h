#pragma once

// What a run left in a folder, read from outside the program.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace lumbrant::e2e {

// Every file of a folder (not its subfolders): name → content. Empty when
// the folder does not exist.
using Files = std::map<std::string, std::string>;
Files ReadFolder(const std::filesystem::path& folder);

// The note numbers N of the files "News item N" and "News item N-K", sorted,
// each once.
std::vector<int> NoteNumbers(const Files& files);

// The number of entries in the error log's "Access Log" section.
int LogEntryCount(const std::filesystem::path& log);

// Waits for the end-of-run transfer: the player's notes folder holds an index
// and exactly the local news folder's files, differs from what it held before
// the run, and stays so for a second. Answers false at the limit.
bool WaitForTransfer(const std::filesystem::path& playerNotes,
                     const std::filesystem::path& localNews, const Files& before,
                     std::chrono::seconds limit);

} // namespace lumbrant::e2e
