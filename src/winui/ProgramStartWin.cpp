#include "winui/ProgramStartWin.h"

#include "core/OneProgramAtATime.h"

#include <cstdlib>

namespace lumbrant {

int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow, MessageBoxesWin& boxes) {
    return RunAsTheOnlyProgram(
        findWorkDir, runWindow, [&](const std::string& text) { boxes.Information(nullptr, text); },
        [&](const std::string& text) { boxes.Error(nullptr, text); });
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
