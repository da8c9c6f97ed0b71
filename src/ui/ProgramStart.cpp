#include "ui/ProgramStart.h"

#include "core/Paths.h"
#include "ui/MessageBoxes.h"

#include <QLockFile>
#include <cstdlib>
#include <exception>

namespace lumbrant {

int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow) {
    try {
        QLockFile lock(QString::fromLocal8Bit(JoinPath(findWorkDir(), kInstanceLockName)));
        // Only the lock of a program that is gone is taken over, never one
        // that is merely old: a program may run for days.
        lock.setStaleLockTime(0);
        // A folder that cannot hold the lock at all cannot hold the notes
        // either; the program starts and says so when it writes them.
        if (!lock.tryLock() && lock.error() == QLockFile::LockFailedError) {
            MessageBoxes::Information(nullptr, "Lumbrant is already running.");
            return EXIT_FAILURE;
        }
        return runWindow();
    } catch (const std::exception& error) {
        MessageBoxes::Error(nullptr, QString::fromLocal8Bit(error.what()));
        return EXIT_FAILURE;
    }
}

} // namespace lumbrant
