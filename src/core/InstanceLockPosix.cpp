#include "core/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumbrant {

InstanceLock::InstanceLock(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (file < 0) {
        why_ = path + ": " + std::strerror(errno);
        return;
    }
    // flock belongs to the open file, not to the process's other descriptors
    // of it, and the kernel drops it with the last descriptor.
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(file);
        outcome_ = error == EWOULDBLOCK ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
        why_ = path + ": " + std::strerror(error);
        return;
    }
    handle_ = file;
    outcome_ = LockOutcome::Taken;
}

InstanceLock::~InstanceLock() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

} // namespace lumbrant
