#pragma once

// Opening a web address or a folder the way the desktop opens it by default
// (the browser, the file manager): ShellOpenPosix.cpp / ShellOpenWin.cpp.

#include <string>

namespace lumbrant {

// Starts the desktop's handler of address. Nothing the program holds open
// (a download's socket or file) passes to what it starts. False when no
// handler could be started.
bool ShellOpen(const std::string& address);

} // namespace lumbrant
