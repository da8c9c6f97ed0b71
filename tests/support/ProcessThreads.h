#pragma once

// How many threads the test's own process runs (Windows, ProcessThreadsWin.cpp):
// a download that leaves a thread behind shows here.

#include <chrono>
#include <cstddef>

namespace lumbrant::testing {

std::size_t ProcessThreadCount();

// The count once it has held still for the given time, so that idle workers
// of the system that were about to end are not counted (waited for at most
// a few minutes).
std::size_t SettledThreadCount(std::chrono::seconds still);

} // namespace lumbrant::testing
