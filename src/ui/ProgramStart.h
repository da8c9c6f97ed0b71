#pragma once

// The Qt window's start: the start-up rule of core/OneProgramAtATime.h with
// the window's message boxes.

#include <functional>
#include <string>

namespace lumbrant {

// RunAsTheOnlyProgram, its notices shown in message boxes.
int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow);

} // namespace lumbrant
