// The program's entry point.

#include "core/Paths.h"
#include "ui/FrmCopyContinue.h"
#include "ui/FrmMain.h"
#include "ui/FrmReport.h"
#include "ui/ProgramStart.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lumbrant");
    QApplication::setApplicationDisplayName("Lumbrant");
    QApplication::setWindowIcon(QIcon());

    const int result = lumbrant::StartProgram(
        [] { return lumbrant::FolderOfPath(lumbrant::ExecutablePath()); },
        [] {
            lumbrant::TFormMain mainWindow(lumbrant::FormDependencies::System());
            lumbrant::TFormCopyContinue copyContinue(&mainWindow);
            lumbrant::TFormReport report(&mainWindow, mainWindow.Core().Log());
            mainWindow.show();
            return QApplication::exec();
        });

    // Downloads still at work end with the process: nothing waits for them,
    // and nothing is torn down under their feet.
    std::fflush(nullptr);
    std::_Exit(result);
}
