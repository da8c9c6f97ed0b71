#pragma once

// The program's start around its window, whichever window it is: one
// program at a time per work folder (two would share their temporary files
// and empty each other's news folder), and a start-up that fails says why
// instead of aborting.

#include <functional>
#include <string>

namespace lumbrant {

// Shows a text to the user in a box of the window's kind.
using Notice = std::function<void(const std::string& text)>;

// Claims the work folder and runs the window while the claim holds; answers
// runWindow's exit status. The lock dies with the program that held it, so
// a crashed program's lock file is taken over. When a running program holds
// the folder, informs "Lumbrant is already running." and touches no other
// file; when finding the folder or starting the window throws
// std::exception, shows its text as an error. Both answer EXIT_FAILURE.
int RunAsTheOnlyProgram(const std::function<std::string()>& findWorkDir,
                        const std::function<int()>& runWindow, const Notice& inform,
                        const Notice& showError);

} // namespace lumbrant
