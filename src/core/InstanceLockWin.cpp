#include "core/InstanceLock.h"

#include <system_error>
#include <windows.h>

namespace lumbrant {

namespace {

std::string Failed(const std::string& path, DWORD error) {
    return path + ": " + std::system_category().message(static_cast<int>(error));
}

bool IsLink(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return !GetFileInformationByHandle(file, &info) ||
           (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

} // namespace

InstanceLock::InstanceLock(const std::string& path) {
    // Shared for reading and writing, so that a second program opens the file
    // and learns from the lock, not from a sharing error, that it is held.
    // Without security attributes no started program inherits the handle.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why_ = Failed(path, GetLastError());
        return;
    }
    if (IsLink(file)) {
        CloseHandle(file);
        why_ = path + ": a link stands in the lock file's place";
        return;
    }
    // The lock belongs to this handle; the system drops it when the handle
    // closes, also when the process dies.
    OVERLAPPED start{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        outcome_ =
            error == ERROR_LOCK_VIOLATION ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
        why_ = Failed(path, error);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    outcome_ = LockOutcome::Taken;
}

InstanceLock::~InstanceLock() {
    if (handle_ != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

} // namespace lumbrant
