#pragma once

#include "core/LogClass.h"
#include "winui/SkinnedDialogWin.h"

#include <string>

namespace lumbrant {

// The "copy finished" dialog: offers to open the folder the notes went to.
// Created hidden at start; whoever shows it sets the folder first.
class TFormReportWin : public SkinnedDialogWin {
public:
    TFormReportWin(HWND mainWindow, const ErrorLog& log, AddressOpener opener);

    // The folder that "Open Directory" opens.
    void SetDirectory(const std::string& folder) { directory_ = folder; }

    // Opens the folder; a failure goes to the error log.
    void OpenDirClick();

protected:
    void OnButton(int id) override;
    void PaintContent(Gdiplus::Graphics& graphics) override;

private:
    const ErrorLog& log_;
    std::string directory_;
};

} // namespace lumbrant
