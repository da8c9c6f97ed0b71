#include "support/ProcessThreads.h"

#include <stdexcept>
#include <thread>
#include <windows.h>

// Needs the types of windows.h.
#include <tlhelp32.h>

namespace lumbrant::testing {

std::size_t ProcessThreadCount() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("no snapshot of the threads");
    }
    const DWORD self = GetCurrentProcessId();
    std::size_t count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == self) {
            ++count;
        }
    }
    CloseHandle(snapshot);
    return count;
}

std::size_t SettledThreadCount(std::chrono::seconds still) {
    constexpr auto kLook = std::chrono::milliseconds(250);
    constexpr int kMostLooks = 4 * 60 * 5;
    std::size_t count = ProcessThreadCount();
    auto since = std::chrono::steady_clock::now();
    for (int look = 0; look < kMostLooks && std::chrono::steady_clock::now() - since < still;
         ++look) {
        std::this_thread::sleep_for(kLook);
        if (const std::size_t now = ProcessThreadCount(); now != count) {
            count = now;
            since = std::chrono::steady_clock::now();
        }
    }
    return count;
}

} // namespace lumbrant::testing
