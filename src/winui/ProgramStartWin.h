#pragma once

// The Windows window's start: the start-up rule of core/OneProgramAtATime.h
// with the window's message boxes, and its message loop.

#include "winui/MessageBoxesWin.h"

#include <functional>
#include <string>

namespace lumbrant {

// RunAsTheOnlyProgram, its notices shown in boxes.
int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow, MessageBoxesWin& boxes);

// Runs the thread's messages until the program's window ends the loop;
// answers the loop's exit status.
int RunMessageLoop();

} // namespace lumbrant
