#pragma once

// The borderless windows' rounded outline: the window's rectangle with its
// corners rounded by ellipses 25 pixels wide and high. Both windows cut it
// from the same pieces: two overlapping rectangles and the four corner
// ellipses' boxes.

#include "skin/Geometry.h"

#include <array>

namespace lumbrant::skin {

inline constexpr int kOutlineEllipse = 25;
// The radius the frame's lines follow inside the outline.
inline constexpr double kOutlineRadius = kOutlineEllipse / 2.0;

struct OutlinePieces {
    std::array<Rect, 2> Rectangles;
    // Top left, top right, bottom left, bottom right.
    std::array<Rect, 4> CornerEllipses;
};

OutlinePieces RoundedOutline(Size size);

// Whether a pixel (its centre) lies inside the outline.
bool OutlineContains(Size size, Point pixel);

} // namespace lumbrant::skin
