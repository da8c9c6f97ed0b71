#pragma once

// GDI+ with the types of windows.h before it, and the session it needs.

// clang-format off
#include <windows.h>
#include <gdiplus.h>
// clang-format on

#include "skin/Colour.h"
#include "skin/Geometry.h"

namespace lumbrant {

// GDI+ for as long as the object lives; one per program (or test program).
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

inline Gdiplus::Color ToGdiplus(const skin::Colour& colour) {
    return Gdiplus::Color(colour.Alpha, colour.Red, colour.Green, colour.Blue);
}

inline Gdiplus::Rect ToGdiplus(const skin::Rect& rect) {
    return Gdiplus::Rect(rect.Left, rect.Top, rect.Width, rect.Height);
}

inline COLORREF ToColorRef(const skin::Colour& colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
}

inline RECT ToRECT(const skin::Rect& rect) {
    return RECT{rect.Left, rect.Top, rect.Right(), rect.Bottom()};
}

inline skin::Rect FromRECT(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace lumbrant
