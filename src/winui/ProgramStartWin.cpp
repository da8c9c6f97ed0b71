#include "winui/ProgramStartWin.h"

#include "core/InstanceLock.h"
#include "core/Paths.h"

#include <cstdlib>
#include <exception>

namespace lumbrant {

int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow, MessageBoxesWin& boxes) {
    try {
        const InstanceLock lock(JoinPath(findWorkDir(), kInstanceLockName));
        // A folder that cannot hold the lock at all cannot hold the notes
        // either; the program starts and says so when it writes them.
        if (lock.Outcome() == LockOutcome::HeldElsewhere) {
            boxes.Information(nullptr, "Lumbrant is already running.");
            return EXIT_FAILURE;
        }
        return runWindow();
    } catch (const std::exception& error) {
        boxes.Error(nullptr, error.what());
        return EXIT_FAILURE;
    }
}

int RunMessageLoop() {
    MSG message;
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Tab and the arrow keys move between a window's controls.
        const HWND window = GetAncestor(message.hwnd, GA_ROOT);
        if (window != nullptr && IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : EXIT_FAILURE;
}

} // namespace lumbrant
