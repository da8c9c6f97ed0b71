#pragma once

// One address fetched by the system's URL download (a URL moniker bound to a
// stream), watched by a bind-status callback of our own. The system is told
// to follow no redirect: a redirect ends the binding and answers where it
// leads, so that the caller checks every address before anything is sent to it.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>
#include <windows.h>

namespace lumbrant {

struct BindLimits {
    std::chrono::steady_clock::time_point Deadline;
    // The binding is given up when nothing arrives for this long.
    std::chrono::seconds Stall{30};
    // A body larger than this is not written beyond it and fails.
    std::size_t MaxBodyBytes = 0;
    // Once set (when given), the binding is given up.
    const std::atomic<bool>* Stop = nullptr;
};

struct BindOutcome {
    // A success status whose whole body is in the file.
    bool Arrived = false;
    // Where a redirect leads, as the server wrote it (perhaps relative);
    // empty when there was none.
    std::wstring Location;
    // The Content-Type of the answer; empty when it named none.
    std::string ContentType;
};

// Binds url and writes its body into file (open for writing, at its start),
// pumping the calling thread's messages until the binding has ended. Past the
// deadline, after a stall, at the size cap, on an error status or once stop
// is set the binding is aborted; every way out returns.
BindOutcome BindAddress(const std::wstring& url, HANDLE file, const BindLimits& limits);

} // namespace lumbrant
