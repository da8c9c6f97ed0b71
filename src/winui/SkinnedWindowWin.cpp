#include "winui/SkinnedWindowWin.h"

#include "skin/Outline.h"
#include "skin/Palette.h"
#include "text/WideText.h"
#include "winui/SkinPainterWin.h"

#include <commctrl.h>
#include <stdexcept>
#include <windowsx.h>

namespace lumbrant {

namespace {

constexpr const wchar_t* kWindowClass = L"LumbrantSkinnedWindow";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    kind.lpszClassName = kWindowClass;
    // Registering a second time fails harmlessly.
    RegisterClassExW(&kind);
}

HRGN OutlineRegion(skin::Size size) {
    const skin::OutlinePieces pieces = skin::RoundedOutline(size);
    const HRGN outline = CreateRectRgn(0, 0, 0, 0);
    const auto add = [outline](HRGN piece) {
        CombineRgn(outline, outline, piece, RGN_OR);
        DeleteObject(piece);
    };
    for (const skin::Rect& piece : pieces.Rectangles) {
        add(CreateRectRgn(piece.Left, piece.Top, piece.Right(), piece.Bottom()));
    }
    for (const skin::Rect& corner : pieces.CornerEllipses) {
        add(CreateEllipticRgn(corner.Left, corner.Top, corner.Right(), corner.Bottom()));
    }
    return outline;
}

} // namespace

void MinimizeApplication() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
                ShowWindow(window, SW_MINIMIZE);
            }
            return TRUE;
        },
        0);
}

SkinnedWindowWin::SkinnedWindowWin(skin::Size size, const skin::Colour& body)
    : size_(size), body_(body) {}

SkinnedWindowWin::~SkinnedWindowWin() {
    buttons_.clear();
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (background_ != nullptr) {
        DeleteObject(background_);
    }
}

void SkinnedWindowWin::Create(const std::string& caption, HWND owner) {
    RegisterWindowClass(&Procedure);
    // Unowned, it has a button of its own on the taskbar.
    window_ = CreateWindowExW(owner == nullptr ? WS_EX_APPWINDOW : 0, kWindowClass,
                              text::ToWide(caption).c_str(),
                              WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX, 0, 0, size_.Width,
                              size_.Height, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw std::runtime_error("The window could not be made.");
    }
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND SkinnedWindowWin::Control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

std::string SkinnedWindowWin::Hint(std::string_view name) const {
    const auto found = hints_.find(Control(name));
    return found == hints_.end() ? std::string() : found->second;
}

PictureButtonWin& SkinnedWindowWin::AddButton(std::string_view name, int id,
                                              const skin::Rect& place, const std::string& caption,
                                              std::optional<skin::SmallButtonKind> glyph) {
    buttons_.push_back(
        std::make_unique<PictureButtonWin>(window_, id, place, caption, glyph, font_));
    AddControl(name, buttons_.back()->Handle());
    return *buttons_.back();
}

void SkinnedWindowWin::AddControl(std::string_view name, HWND control) {
    controls_.emplace(std::string(name), control);
}

void SkinnedWindowWin::AddHint(HWND control, const std::string& hint) {
    hints_[control] = hint;
    std::wstring text = text::ToWide(hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SkinnedWindowWin::CutRoundedOutline() {
    // The system owns the region once it is set.
    SetWindowRgn(window_, OutlineRegion(size_), TRUE);
}

void SkinnedWindowWin::Repaint(const skin::Rect& area) {
    const RECT rect = ToRECT(area);
    InvalidateRect(window_, &rect, FALSE);
}

bool SkinnedWindowWin::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK SkinnedWindowWin::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<SkinnedWindowWin*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCCREATE) {
        self->window_ = window;
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT SkinnedWindowWin::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_PRINTCLIENT:
        PaintInto(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NCHITTEST: {
        const LRESULT hit = DefWindowProcW(window_, message, wParam, lParam);
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window_, &point);
        // The system moves the window by its body as by a caption.
        return hit == HTCLIENT && !HoldsStill(point) ? HTCAPTION : hit;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void SkinnedWindowWin::DrawItem(const DRAWITEMSTRUCT& item) {
    for (const auto& button : buttons_) {
        if (button->Handle() == item.hwndItem) {
            button->Draw(item);
        }
    }
}

void SkinnedWindowWin::PaintInto(HDC target) {
    if (background_ == nullptr) {
        background_ = CreateCompatibleBitmap(target, size_.Width, size_.Height);
        const HDC canvas = CreateCompatibleDC(target);
        const HGDIOBJ previous = SelectObject(canvas, background_);
        {
            Gdiplus::Graphics graphics(canvas);
            PrepareGraphics(graphics);
            PaintWindowFrame(graphics, size_, skin::FrameColoursFor(body_));
            PaintBackground(graphics);
        }
        SelectObject(canvas, previous);
        DeleteDC(canvas);
    }
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ previous = SelectObject(source, background_);
    BitBlt(target, 0, 0, size_.Width, size_.Height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    Gdiplus::Graphics graphics(target);
    PrepareGraphics(graphics);
    PaintForeground(graphics);
}

void SkinnedWindowWin::PaintWindow() {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(window_, &paint);
    // Drawn off screen first, so that nothing flickers.
    const HDC canvas = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size_.Width, size_.Height);
    const HGDIOBJ previous = SelectObject(canvas, bitmap);
    PaintInto(canvas);
    BitBlt(screen, 0, 0, size_.Width, size_.Height, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, previous);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    EndPaint(window_, &paint);
}

} // namespace lumbrant
