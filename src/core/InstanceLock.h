#pragma once

// One program per work folder: an exclusive lock on a file in it, which the
// operating system releases when the process ends, however it ends (a crash,
// a kill, a power cut), so a lock is never left behind to be cleared by hand.
// The lock file's content means nothing; it stays in place.

#include <cstdint>
#include <string>

namespace lumbrant {

// The lock file in WorkDir, held for as long as the program runs.
inline constexpr const char* kInstanceLockName = "Lumbrant.lock";

enum class LockOutcome {
    Taken,
    // Another running program holds it.
    HeldElsewhere,
    // The file cannot be opened or locked at all (a read-only folder, a file
    // system without locks); the why is in Why().
    Unavailable,
};

class InstanceLock {
public:
    // Tries once, without waiting, to take the lock on the file at path
    // (created when missing, never through a link).
    explicit InstanceLock(const std::string& path);
    // Releases the lock when it was taken.
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockOutcome Outcome() const { return outcome_; }
    const std::string& Why() const { return why_; }

private:
    // A descriptor on POSIX, a HANDLE on Windows; -1 when none is open.
    std::intptr_t handle_ = -1;
    LockOutcome outcome_ = LockOutcome::Unavailable;
    std::string why_;
};

} // namespace lumbrant
