#include "skin/Outline.h"

namespace lumbrant::skin {

OutlinePieces RoundedOutline(Size size) {
    const int w = size.Width;
    const int h = size.Height;
    const int e = kOutlineEllipse;
    const int straight = e / 2;
    return {{{{straight, 0, w - 2 * straight, h}, {0, straight, w, h - 2 * straight}}},
            {{{0, 0, e, e}, {w - e, 0, e, e}, {0, h - e, e, e}, {w - e, h - e, e, e}}}};
}

bool OutlineContains(Size size, Point pixel) {
    const OutlinePieces pieces = RoundedOutline(size);
    for (const Rect& piece : pieces.Rectangles) {
        if (piece.Contains(pixel)) {
            return true;
        }
    }
    for (const Rect& box : pieces.CornerEllipses) {
        const double radiusX = box.Width / 2.0;
        const double radiusY = box.Height / 2.0;
        const double dx = (pixel.X + 0.5 - box.Left - radiusX) / radiusX;
        const double dy = (pixel.Y + 0.5 - box.Top - radiusY) / radiusY;
        if (dx * dx + dy * dy <= 1) {
            return true;
        }
    }
    return false;
}

} // namespace lumbrant::skin
