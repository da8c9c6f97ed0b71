#include "winui/FrmReportWin.h"

#include "core/ShellOpen.h"
#include "skin/DialogLayout.h"

namespace lumbrant {

namespace {

enum ButtonId : int { kOpenDirId = 201, kCloseButtonId };

} // namespace

TFormReportWin::TFormReportWin(HWND mainWindow, const ErrorLog& log, AddressOpener opener)
    : SkinnedDialogWin(mainWindow, std::move(opener)), log_(log) {
    AddButton("OpenDir", kOpenDirId, skin::kDialogLeftButton,
              std::string(skin::kOpenDirectoryCaption));
    AddButton("CloseButton", kCloseButtonId, skin::kDialogRightButton,
              std::string(skin::kCloseCaption));
}

void TFormReportWin::OnButton(int id) {
    if (id == kOpenDirId) {
        OpenDirClick();
    } else if (id == kCloseButtonId) {
        Close();
    }
}

void TFormReportWin::PaintContent(Gdiplus::Graphics& graphics) {
    font_.DrawCentred(graphics, std::string(skin::kReportText), skin::kReportTextPlace, true,
                      skin::kDialogTextColour);
}

void TFormReportWin::OpenDirClick() {
    OpenDirectoryOrLog(
        directory_, [this] { return opener_(directory_); }, log_);
}

} // namespace lumbrant
