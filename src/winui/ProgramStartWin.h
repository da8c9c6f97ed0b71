#pragma once

// The program's start around its window on Windows: one program at a time
// per work folder, and a start-up that fails says why in a box instead of
// aborting.

#include "winui/MessageBoxesWin.h"

#include <functional>
#include <string>

namespace lumbrant {

// Claims the work folder and runs the window while the claim holds; answers
// runWindow's exit status. When a running program holds the folder, says
// "Lumbrant is already running." and touches no other file; when finding
// the folder or starting the window throws std::exception, shows the error.
// Both answer EXIT_FAILURE.
int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow, MessageBoxesWin& boxes);

// Runs the thread's messages until the program's window ends the loop;
// answers the loop's exit status.
int RunMessageLoop();

} // namespace lumbrant
