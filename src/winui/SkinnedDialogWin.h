#pragma once

// What the program's two secondary dialogs share on Windows: a borderless,
// hidden 335 x 223 window in the dialogs' colour with the skin's frame,
// three small title buttons (minimise the program, close the dialog, open
// the maker's home page), and a showing that centres it over the main
// window and cuts its rounded outline.

#include "winui/SkinnedWindowWin.h"

#include <functional>
#include <string>

namespace lumbrant {

class SkinnedDialogWin : public SkinnedWindowWin {
public:
    // Opens an address with the desktop; false when it could not.
    using AddressOpener = std::function<bool(const std::string&)>;

    // Centres the dialog over the main window, cuts its outline and shows it.
    void Show();
    void Close();

protected:
    SkinnedDialogWin(HWND mainWindow, AddressOpener opener);

    void PaintBackground(Gdiplus::Graphics& graphics) override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void OnButton(int id) = 0;
    virtual void PaintContent(Gdiplus::Graphics&) {}

    AddressOpener opener_;

private:
    HWND mainWindow_;
};

} // namespace lumbrant
