// The program's entry point on Windows.

#include "core/Paths.h"
#include "core/ShellOpen.h"
#include "winui/FormMainWin.h"
#include "winui/FrmCopyContinueWin.h"
#include "winui/FrmReportWin.h"
#include "winui/Gdiplus.h"
#include "winui/ProgramStartWin.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const auto boxes = lumbrant::MessageBoxesWin::System();

    const int result = lumbrant::StartProgram(
        [] { return lumbrant::FolderOfPath(lumbrant::ExecutablePath()); },
        [&boxes] {
            const lumbrant::GdiplusSession gdiplus;
            lumbrant::FormMainWin mainWindow(lumbrant::FormDependenciesWin::System());
            const lumbrant::TFormCopyContinueWin copyContinue(mainWindow.Handle(),
                                                              &lumbrant::ShellOpen);
            const lumbrant::TFormReportWin report(mainWindow.Handle(), mainWindow.Core().Log(),
                                                  &lumbrant::ShellOpen);
            mainWindow.Show();
            return lumbrant::RunMessageLoop();
        },
        *boxes);
    // Downloads still at work end with the process: nothing waits for them,
    // and nothing is torn down under their feet.
    std::fflush(nullptr);
    std::_Exit(result);
}
