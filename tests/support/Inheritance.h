#pragma once

// Whether a program that this one starts would inherit an open file
// (InheritancePosix.cpp: the descriptor lacks close-on-exec;
// InheritanceWin.cpp: the handle is inheritable).

#include <cstdio>

namespace lumbrant::testing {

bool InheritedByStartedPrograms(std::FILE* file);

} // namespace lumbrant::testing
