#pragma once

// The one face of the windows' texts: Arial, the metric twin of the Linux
// window's Liberation Sans (which stands in where no Arial is installed),
// at the skin's size in pixels; plain and bold for GDI+, and the plain one
// for the system's controls.

#include "skin/Colour.h"
#include "skin/Geometry.h"
#include "winui/Gdiplus.h"

#include <memory>
#include <string>

namespace lumbrant {

class SkinFont {
public:
    SkinFont();
    ~SkinFont();
    SkinFont(const SkinFont&) = delete;
    SkinFont& operator=(const SkinFont&) = delete;

    // The face found on this system.
    std::wstring Family() const;
    // For WM_SETFONT.
    HFONT Handle() const { return handle_; }

    // The box a text takes: its advance and the face's line height.
    skin::Size Measure(const std::string& text, bool bold) const;
    void DrawAt(Gdiplus::Graphics& graphics, const std::string& text, skin::Point origin, bool bold,
                const skin::Colour& colour, bool underline = false) const;
    void DrawCentred(Gdiplus::Graphics& graphics, const std::string& text, const skin::Rect& box,
                     bool bold, const skin::Colour& colour) const;

private:
    const Gdiplus::Font& FontOf(bool bold, bool underline) const;

    std::unique_ptr<Gdiplus::FontFamily> family_;
    std::unique_ptr<Gdiplus::Font> regular_;
    std::unique_ptr<Gdiplus::Font> bold_;
    std::unique_ptr<Gdiplus::Font> underlined_;
    HFONT handle_ = nullptr;
};

} // namespace lumbrant
