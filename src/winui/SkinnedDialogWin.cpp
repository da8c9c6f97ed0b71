#include "winui/SkinnedDialogWin.h"

#include "settings/MakerSite.h"
#include "skin/DialogLayout.h"
#include "skin/MainLayout.h"
#include "winui/SkinPainterWin.h"

namespace lumbrant {

namespace {

enum TitleButtonId : int { kWebId = 101, kMinimizeId, kCloseId };

skin::Rect SmallButtonAt(skin::Point origin) {
    return {origin.X, origin.Y, skin::kSmallButtonSize.Width, skin::kSmallButtonSize.Height};
}

} // namespace

SkinnedDialogWin::SkinnedDialogWin(HWND mainWindow, AddressOpener opener)
    : SkinnedWindowWin(skin::kDialogSize, skin::kDialogColour), opener_(std::move(opener)),
      mainWindow_(mainWindow) {
    Create(std::string(skin::kMainWindowCaption), mainWindow);
    AddHint(AddButton("TitleWeb", kWebId, SmallButtonAt(skin::kDialogWebOrigin), "",
                      skin::SmallButtonKind::Web)
                .Handle(),
            MakerPageUrl(kHomePage));
    AddHint(AddButton("TitleMinimize", kMinimizeId, SmallButtonAt(skin::kDialogMinimizeOrigin), "",
                      skin::SmallButtonKind::Minimize)
                .Handle(),
            std::string(skin::kMinimizeHint));
    AddHint(AddButton("TitleClose", kCloseId, SmallButtonAt(skin::kDialogCloseOrigin), "",
                      skin::SmallButtonKind::Close)
                .Handle(),
            std::string(skin::kCloseHint));
}

void SkinnedDialogWin::Show() {
    RECT main{0, 0, 0, 0};
    GetWindowRect(mainWindow_, &main);
    const skin::Point place = skin::CentredOver(FromRECT(main), size_);
    SetWindowPos(window_, nullptr, place.X, place.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CutRoundedOutline();
    ShowWindow(window_, SW_SHOW);
}

void SkinnedDialogWin::Close() {
    ShowWindow(window_, SW_HIDE);
}

void SkinnedDialogWin::PaintBackground(Gdiplus::Graphics& graphics) {
    PaintWell(graphics, skin::kDialogWell.Place, skin::kDialogWell.Inside);
    PaintEmblem(graphics, skin::kEmblemPlace);
    PaintContent(graphics);
}

void SkinnedDialogWin::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
    case kWebId:
        opener_(MakerPageUrl(kHomePage));
        return;
    case kMinimizeId:
        MinimizeApplication();
        return;
    case kCloseId:
        Close();
        return;
    default:
        OnButton(id);
        return;
    }
}

bool SkinnedDialogWin::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    // Closing a dialog only hides it; it lives as long as the program.
    if (message == WM_CLOSE) {
        Close();
        return true;
    }
    return false;
}

} // namespace lumbrant
