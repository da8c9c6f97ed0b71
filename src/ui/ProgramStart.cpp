#include "ui/ProgramStart.h"

#include "core/InstanceLock.h"
#include "core/Paths.h"
#include "ui/MessageBoxes.h"

#include <cstdlib>
#include <exception>

namespace lumbrant {

int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow) {
    try {
        const InstanceLock lock(JoinPath(findWorkDir(), kInstanceLockName));
        // A folder that cannot hold the lock at all cannot hold the notes
        // either; the program starts and says so when it writes them.
        if (lock.Outcome() == LockOutcome::HeldElsewhere) {
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
