#include "winui/FrmCopyContinueWin.h"

#include "skin/DialogLayout.h"

namespace lumbrant {

namespace {

enum ButtonId : int { kButtonOpenId = 201, kQuitCopyId };

} // namespace

TFormCopyContinueWin::TFormCopyContinueWin(HWND mainWindow, AddressOpener opener)
    : SkinnedDialogWin(mainWindow, std::move(opener)) {
    AddButton("ButtonOpen", kButtonOpenId, skin::kDialogLeftButton,
              std::string(skin::kContinueCopyCaption));
    AddButton("XP_ButtonSmall1", kQuitCopyId, skin::kDialogRightButton,
              std::string(skin::kQuitCopyCaption));
}

void TFormCopyContinueWin::Show() {
    answer_ = false;
    SkinnedDialogWin::Show();
}

void TFormCopyContinueWin::OnButton(int id) {
    if (id == kButtonOpenId || id == kQuitCopyId) {
        answer_ = id == kButtonOpenId;
        Close();
    }
}

} // namespace lumbrant
