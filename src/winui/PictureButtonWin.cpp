#include "winui/PictureButtonWin.h"

#include "skin/Palette.h"
#include "text/WideText.h"
#include "winui/SkinFont.h"
#include "winui/SkinPainterWin.h"

#include <commctrl.h>

namespace lumbrant {

namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

PictureButtonWin::PictureButtonWin(HWND parent, int id, const skin::Rect& place,
                                   const std::string& caption,
                                   std::optional<skin::SmallButtonKind> glyph, const SkinFont& font)
    : glyph_(glyph), font_(font) {
    handle_ = CreateWindowExW(0, WC_BUTTONW, text::ToWide(caption).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place.Left,
                              place.Top, place.Width, place.Height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(handle_, &Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

PictureButtonWin::~PictureButtonWin() {
    if (IsWindow(handle_)) {
        RemoveWindowSubclass(handle_, &Subclass, kSubclassId);
    }
}

skin::ButtonState PictureButtonWin::State(bool pressed, bool focused) const {
    return skin::StateOf(IsWindowEnabled(handle_) != FALSE, pressed, hot_, focused);
}

void PictureButtonWin::SetHot(bool hot) {
    if (hot == hot_) {
        return;
    }
    hot_ = hot;
    if (hot) {
        TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&leave);
    }
    InvalidateRect(handle_, nullptr, FALSE);
}

LRESULT CALLBACK PictureButtonWin::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
    auto* button = reinterpret_cast<PictureButtonWin*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        button->SetHot(true);
        break;
    case WM_MOUSELEAVE:
        button->SetHot(false);
        break;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button would only report a double click.
        return DefSubclassProc(window, WM_LBUTTONDOWN, wParam, lParam);
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void PictureButtonWin::Draw(const DRAWITEMSTRUCT& item) const {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0 && !glyph_;
    const skin::ButtonState state = State(pressed, focused);
    const skin::Size size{item.rcItem.right - item.rcItem.left,
                          item.rcItem.bottom - item.rcItem.top};

    // Drawn off screen on the parent's background, then shown at once.
    const HDC buffer = CreateCompatibleDC(item.hDC);
    const HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, size.Width, size.Height);
    const HGDIOBJ previous = SelectObject(buffer, bitmap);
    {
        POINT origin{0, 0};
        MapWindowPoints(handle_, GetParent(handle_), &origin, 1);
        SetViewportOrgEx(buffer, -origin.x, -origin.y, nullptr);
        SendMessageW(GetParent(handle_), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer),
                     PRF_CLIENT);
        SetViewportOrgEx(buffer, 0, 0, nullptr);

        Gdiplus::Graphics graphics(buffer);
        PrepareGraphics(graphics);
        if (glyph_) {
            PaintSmallButtonFace(graphics, size, *glyph_, state);
        } else {
            PaintButtonFace(graphics, size, state);
            WCHAR caption[64] = {};
            GetWindowTextW(handle_, caption, 64);
            const skin::Colour colour = state == skin::ButtonState::Disabled
                                            ? skin::kDisabledCaptionColour
                                            : skin::kCaptionColour;
            const int shift = state == skin::ButtonState::Pressed ? 1 : 0;
            font_.DrawCentred(graphics, text::FromWide(caption),
                              {shift, shift, size.Width, size.Height}, true, colour);
        }
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.Width, size.Height, buffer, 0, 0,
           SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

} // namespace lumbrant
