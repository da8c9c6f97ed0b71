// The program's entry point.

#include "app/FrmMain.h"
#include "ui/FrmCopyContinue.h"
#include "ui/FrmReport.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <curl/curl.h>
#include <memory>

int main(int argc, char* argv[]) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Lumbrant");
    QApplication::setApplicationDisplayName("Lumbrant");
    QApplication::setWindowIcon(QIcon());

    auto mainWindow = std::make_unique<lumbrant::TFormMain>(lumbrant::FormDependencies::System());
    lumbrant::TFormCopyContinue copyContinue(mainWindow.get());
    lumbrant::TFormReport report(mainWindow.get(), mainWindow->State());
    mainWindow->show();
    const int result = QApplication::exec();

    // Downloads still at work end with the process: nothing waits for them,
    // and nothing is torn down under their feet.
    mainWindow.reset();
    std::fflush(nullptr);
    std::_Exit(result);
}
