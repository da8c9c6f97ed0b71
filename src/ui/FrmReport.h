#pragma once

#include "core/LogClass.h"
#include "ui/SkinnedDialog.h"

#include <QUrl>
#include <functional>
#include <string>

namespace lumbrant {

// The "copy finished" dialog: offers to open the folder the notes went to.
// Created hidden at start; whoever shows it sets the folder first.
class TFormReport : public SkinnedDialog {
    Q_OBJECT
public:
    // Asks the shell to open an address; false when it could not.
    using UrlOpener = std::function<bool(const QUrl&)>;

    TFormReport(QWidget* mainWindow, const ErrorLog& log);

    // The folder that "Open Directory" opens, as the core's byte text.
    void SetDirectory(const std::string& folder) { directory_ = folder; }

    // Replaces the shell (ShellOpen) for tests.
    void SetUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }

    // Opens the folder; a failure goes to the error log.
    void OpenDirClick();

private:
    const ErrorLog& log_;
    std::string directory_;
    UrlOpener opener_;
};

} // namespace lumbrant
