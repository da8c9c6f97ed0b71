#include "core/OneProgramAtATime.h"

#include "core/InstanceLock.h"
#include "core/Paths.h"

#include <cstdlib>
#include <exception>

namespace lumbrant {

int RunAsTheOnlyProgram(const std::function<std::string()>& findWorkDir,
                        const std::function<int()>& runWindow, const Notice& inform,
                        const Notice& showError) {
    try {
        const InstanceLock lock(JoinPath(findWorkDir(), kInstanceLockName));
        // A folder that cannot hold the lock at all cannot hold the notes
        // either; the program starts and says so when it writes them.
        if (lock.Outcome() == LockOutcome::HeldElsewhere) {
            inform("Lumbrant is already running.");
            return EXIT_FAILURE;
        }
        return runWindow();
    } catch (const std::exception& error) {
        showError(error.what());
        return EXIT_FAILURE;
    }
}

} // namespace lumbrant
