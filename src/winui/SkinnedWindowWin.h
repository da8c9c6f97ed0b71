#pragma once

// What the program's borderless windows share on Windows: a window of the
// skin's size cut to the rounded outline, its frame, wells and texts painted
// with GDI+ off screen, picture buttons with their hints, and dragging by
// the body (every point that is no control and no label is a handle).

#include "skin/Colour.h"
#include "skin/Geometry.h"
#include "winui/PictureButtonWin.h"
#include "winui/SkinFont.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrant {

// Minimises every window of the program; the windows a window owns go with it.
void MinimizeApplication();

class SkinnedWindowWin {
public:
    virtual ~SkinnedWindowWin();
    SkinnedWindowWin(const SkinnedWindowWin&) = delete;
    SkinnedWindowWin& operator=(const SkinnedWindowWin&) = delete;

    HWND Handle() const { return window_; }
    // A control by its name ("ButtonCopy"); null when there is none.
    HWND Control(std::string_view name) const;
    // The hint a control shows when the mouse rests on it.
    std::string Hint(std::string_view name) const;
    const SkinFont& Font() const { return font_; }

protected:
    SkinnedWindowWin(skin::Size size, const skin::Colour& body);

    // Makes the hidden window; owner is the main window, or none.
    void Create(const std::string& caption, HWND owner);
    PictureButtonWin& AddButton(std::string_view name, int id, const skin::Rect& place,
                                const std::string& caption,
                                std::optional<skin::SmallButtonKind> glyph = std::nullopt);
    void AddControl(std::string_view name, HWND control);
    void AddHint(HWND control, const std::string& hint);
    void CutRoundedOutline();
    void Repaint(const skin::Rect& area);

    // What never changes, painted once over the frame; then, at every
    // paint, what does.
    virtual void PaintBackground(Gdiplus::Graphics& graphics) = 0;
    virtual void PaintForeground(Gdiplus::Graphics&) {}
    virtual void OnCommand(int id, int code, HWND control) = 0;
    // A point of the window's own that does not drag it (a label).
    virtual bool HoldsStill(POINT) const { return false; }
    // Messages of the derived window; true when handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    skin::Size size_;
    skin::Colour body_;
    SkinFont font_;
    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintInto(HDC target);
    void PaintWindow();
    void DrawItem(const DRAWITEMSTRUCT& item);

    HBITMAP background_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<std::unique_ptr<PictureButtonWin>> buttons_;
    std::map<std::string, HWND, std::less<>> controls_;
    std::map<HWND, std::string> hints_;
};

} // namespace lumbrant
