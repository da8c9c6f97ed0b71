#pragma once

// Runs a piece of a test while a file cannot be read although its folder can
// be written (UnreadableFilePosix.cpp, UnreadableFileWin.cpp).

#include <filesystem>
#include <functional>

namespace lumbrant::testing {

// Makes file unreadable to this program, runs body and answers what it
// answers (0 to 252). root is a folder that holds file and everything body
// touches. On Linux every permission on file is taken away; file permissions
// do not bind the superuser, so as root (as in CI) body runs in a forked
// child that has dropped to an unprivileged user, to whom root is handed
// first (and 253 means the user could not be changed; see RunInForkedChild).
// On Windows another handle holds file open without sharing it.
int RunWhileUnreadable(const std::filesystem::path& root, const std::filesystem::path& file,
                       const std::function<int()>& body);

// True when a folder without write permission keeps this program from
// creating files in it: not for the superuser, and not on Windows, where a
// folder's read-only attribute does not.
bool ReadOnlyFoldersBind();

} // namespace lumbrant::testing
