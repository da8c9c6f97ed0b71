#pragma once

// The frame of the borderless windows: the title strip, the edges, the
// corners and the shade line under the strip, the recessed wells and the
// emblem, and the one face every text is written in.

#include "skin/Colour.h"
#include "skin/Geometry.h"

#include <array>
#include <string_view>

namespace lumbrant::skin {

inline constexpr int kTitleHeight = 30;
inline constexpr int kEdgeWidth = 3;
inline constexpr int kCornerSize = 14;
inline constexpr int kShadeHeight = 2;

inline constexpr Rect kEmblemPlace{30, 5, 20, 20};
// The emblem's core and its eight rays, in fractions of its side.
inline constexpr int kEmblemRayCount = 8;
inline constexpr double kEmblemCore = 0.3;
inline constexpr double kEmblemRayGap = 1.5; // pixels between the core and a ray
inline constexpr double kEmblemRayEnd = 0.47;
inline constexpr double kEmblemRayPen = 1.5;
inline constexpr double kWellRadius = 5;
inline constexpr int kPanelCornerRadius = 6;

// The windows are laid out to the pixel for one face at one size in pixels:
// Liberation Sans on Linux and its metric twin Arial on Windows.
inline constexpr std::string_view kFaceLinux = "Liberation Sans";
inline constexpr std::string_view kFaceWindows = "Arial";
inline constexpr int kFacePixelSize = 11;

// A named piece of the frame and where it lies in a window of size.
struct FramePiece {
    std::string_view Name;
    Rect Place;
};

// The title strip (ImageB1 to ImageB3), the left, right and bottom edges
// (SunImage1 to SunImage3), the two lower corners (SunImage4, SunImage5) and
// the shade under the title strip (SunImage6).
inline constexpr int kFramePieceCount = 9;
constexpr std::array<FramePiece, kFramePieceCount> FramePieces(Size size) {
    const int w = size.Width;
    const int h = size.Height;
    const int c = kCornerSize;
    return {{{"ImageB1", {0, 0, c, kTitleHeight}},
             {"ImageB2", {c, 0, w - 2 * c, kTitleHeight}},
             {"ImageB3", {w - c, 0, c, kTitleHeight}},
             {"SunImage1", {0, kTitleHeight, kEdgeWidth, h - kTitleHeight - c}},
             {"SunImage2", {w - kEdgeWidth, kTitleHeight, kEdgeWidth, h - kTitleHeight - c}},
             {"SunImage3", {c, h - kEdgeWidth, w - 2 * c, kEdgeWidth}},
             {"SunImage4", {0, h - c, c, c}},
             {"SunImage5", {w - c, h - c, c, c}},
             {"SunImage6", {kEdgeWidth, kTitleHeight, w - 2 * kEdgeWidth, kShadeHeight}}}};
}

// A recessed plate and the colour inside it.
struct Well {
    std::string_view Name;
    Rect Place;
    Colour Inside;
};

} // namespace lumbrant::skin
