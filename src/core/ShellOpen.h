#pragma once

// Opening a web address or a folder the way the desktop opens it by default
// (the browser, the file manager): ShellOpenPosix.cpp / ShellOpenWin.cpp.

#include "core/LogClass.h"

#include <functional>
#include <string>

namespace lumbrant {

// Starts the desktop's handler of address. Nothing the program holds open
// (a download's socket or file) passes to what it starts. False when no
// handler could be started.
bool ShellOpen(const std::string& address);

// The dialogs' Open Directory: open shows folder (the desktop's handler, or a
// test's); a false answer or an error is logged as "OpenDirClick:" and why.
void OpenDirectoryOrLog(const std::string& folder, const std::function<bool()>& open,
                        const ErrorLog& log);

} // namespace lumbrant
