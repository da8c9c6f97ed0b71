#include "winui/YesNoBoxWin.h"

#include "text/WideText.h"
#include "winui/Gdiplus.h"
#include "winui/SkinFont.h"

#include <algorithm>

namespace lumbrant {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSide = 32;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kGap = 8;

struct BoxState {
    bool Done = false;
    BoxAnswer Answer = BoxAnswer::None;
};

INT_PTR CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return FALSE;
    }
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    switch (LOWORD(wParam)) {
    case IDYES:
        state->Answer = BoxAnswer::Yes;
        break;
    case IDNO:
        state->Answer = BoxAnswer::No;
        break;
    case IDCANCEL: // Esc, and the close button
        state->Answer = BoxAnswer::None;
        break;
    default:
        return FALSE;
    }
    state->Done = true;
    return TRUE;
}

// The system's font for message boxes.
HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

SIZE TextExtent(HFONT font, const std::wstring& text) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    RECT box{0, 0, 0, 0};
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return SIZE{box.right - box.left, box.bottom - box.top};
}

HWND AddControl(HWND box, const wchar_t* kind, const std::wstring& text, DWORD style, int id,
                const RECT& place, HFONT font) {
    const HWND control = CreateWindowExW(
        0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

} // namespace

BoxAnswer AskYesNoBox(HWND owner, const std::string& title, const std::string& text) {
    const HFONT font = MessageFont();
    const std::wstring wideText = text::ToWide(text);
    const SIZE extent = TextExtent(font, wideText);
    const int textLeft = kMargin + kIconSide + kMargin;
    const int clientWidth = std::max(textLeft + static_cast<int>(extent.cx) + kMargin,
                                     2 * kButtonWidth + kGap + 2 * kMargin);
    const int textHeight = std::max(static_cast<int>(extent.cy), kIconSide);
    const int buttonsTop = kMargin + textHeight + kMargin;
    const int clientHeight = buttonsTop + kButtonHeight + kMargin;

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT ownerPlace{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr && IsWindowVisible(owner)) {
        GetWindowRect(owner, &ownerPlace);
    }
    const skin::Point place = skin::CentredOver(FromRECT(ownerPlace), {width, height});

    // A window of the system's dialog class gets its keyboard: Tab, Enter
    // for the default button, the underlined letters, and Esc as IDCANCEL.
    const HWND box =
        CreateWindowExW(exStyle, L"#32770", text::ToWide(title).c_str(), style, place.X, place.Y,
                        width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    BoxState state;
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    SetWindowLongPtrW(box, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&BoxProcedure));
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    const HWND icon =
        AddControl(box, L"STATIC", L"", SS_ICON, -1,
                   {kMargin, kMargin, kMargin + kIconSide, kMargin + kIconSide}, font);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)),
                 0);
    const int textTop = kMargin + (textHeight - static_cast<int>(extent.cy)) / 2;
    AddControl(box, L"STATIC", wideText, SS_LEFT | SS_NOPREFIX, -1,
               {textLeft, textTop, textLeft + extent.cx, textTop + extent.cy}, font);
    const int buttonsLeft = clientWidth - kMargin - 2 * kButtonWidth - kGap;
    const HWND yes = AddControl(
        box, L"BUTTON", L"&Yes", WS_TABSTOP | BS_DEFPUSHBUTTON, IDYES,
        {buttonsLeft, buttonsTop, buttonsLeft + kButtonWidth, buttonsTop + kButtonHeight}, font);
    AddControl(box, L"BUTTON", L"&No", WS_TABSTOP | BS_PUSHBUTTON, IDNO,
               {buttonsLeft + kButtonWidth + kGap, buttonsTop,
                buttonsLeft + 2 * kButtonWidth + kGap, buttonsTop + kButtonHeight},
               font);
    SendMessageW(box, DM_SETDEFID, IDYES, 0);

    const bool ownerEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerEnabled) {
        EnableWindow(owner, FALSE);
    }
    ShowWindow(box, SW_SHOW);
    SetFocus(yes);
    MSG message;
    while (!state.Done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave its quit for the loop outside.
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        if (!IsDialogMessageW(box, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (ownerEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    DestroyWindow(box);
    DeleteObject(font);
    return state.Answer;
}

} // namespace lumbrant
