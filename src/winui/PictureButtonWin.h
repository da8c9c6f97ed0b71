#pragma once

// A picture button: a system push button that its owner draws from the
// skin, one face per state (normal, hot, pressed, disabled, focused), with
// an optional bold caption, or a small button's glyph. It follows the mouse
// to show its hot face, and a quick second click is a click like the first.

#include "skin/ButtonFace.h"
#include "skin/Geometry.h"
#include "winui/Gdiplus.h"

#include <optional>
#include <string>

namespace lumbrant {

class SkinFont;

class PictureButtonWin {
public:
    // A button with a caption, or with the glyph of kind and no caption.
    PictureButtonWin(HWND parent, int id, const skin::Rect& place, const std::string& caption,
                     std::optional<skin::SmallButtonKind> glyph, const SkinFont& font);
    ~PictureButtonWin();
    PictureButtonWin(const PictureButtonWin&) = delete;
    PictureButtonWin& operator=(const PictureButtonWin&) = delete;

    HWND Handle() const { return handle_; }
    bool Hot() const { return hot_; }

    // The face it shows now, by the skin's state rule.
    skin::ButtonState State(bool pressed, bool focused) const;

    // WM_DRAWITEM, which the owner passes on.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    void SetHot(bool hot);

    HWND handle_ = nullptr;
    std::optional<skin::SmallButtonKind> glyph_;
    const SkinFont& font_;
    bool hot_ = false;
};

} // namespace lumbrant
