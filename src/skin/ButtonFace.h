#pragma once

// The picture buttons' faces: which state a button shows, and how each
// state looks (its gradient, border, shine line and glyph colour).

#include "skin/Colour.h"

#include <array>

namespace lumbrant::skin {

enum class ButtonState { Normal, Hot, Pressed, Disabled, Focused };
inline constexpr int kButtonStateCount = 5;

enum class SmallButtonKind { Minimize, Close, Web };

// Disabled wins over pressed, pressed over hot, hot over focused.
constexpr ButtonState StateOf(bool enabled, bool pressed, bool hot, bool focused) {
    if (!enabled) {
        return ButtonState::Disabled;
    }
    if (pressed) {
        return ButtonState::Pressed;
    }
    if (hot) {
        return ButtonState::Hot;
    }
    return focused ? ButtonState::Focused : ButtonState::Normal;
}

struct FaceLook {
    // The body's colours at its top and bottom edges.
    Colour Top;
    Colour Bottom;
    Colour Border;
    Colour Shine;
    Colour Glyph;
};

FaceLook LookOf(ButtonState state);

// The body's gradient from top to bottom: a lit upper half that darkens
// towards the middle, broken there, and a lower half that starts lighter than
// its bottom. The Linux window shades with Qt's darker() and lighter(), which
// keep the hue and saturation and scale the value by 100 / percent and
// percent / 100.
inline constexpr double kFaceMiddle = 0.5;
inline constexpr double kFaceBreak = 0.52;
inline constexpr int kFaceDarkerPercent = 125;
inline constexpr int kFaceLighterPercent = 115;
std::array<GradientStop, 4> FaceStops(const FaceLook& look);

// The corner radii of the faces, and the focused face's dotted ring.
inline constexpr double kFaceRadius = 6;
inline constexpr double kSmallFaceRadius = 4;
inline constexpr Colour kFocusRing{245, 255, 91, 160};
inline constexpr double kFocusRingInset = 2;

// The glyphs of the small buttons, in fractions of the button's side.
struct GlyphLine {
    double FromX, FromY, ToX, ToY;
};
inline constexpr GlyphLine kMinimizeGlyph{0.3, 0.68, 0.7, 0.68};
inline constexpr double kMinimizeGlyphPen = 2;
inline constexpr std::array<GlyphLine, 2> kCloseGlyph = {
    {{0.3, 0.3, 0.7, 0.7}, {0.7, 0.3, 0.3, 0.7}}};
inline constexpr double kCloseGlyphPen = 1.8;
// The web glyph: a globe of this radius, with a meridian of this width.
inline constexpr double kWebGlyphRadius = 0.29;
inline constexpr double kWebGlyphMeridian = 0.45;
inline constexpr double kWebGlyphPen = 1.2;

} // namespace lumbrant::skin
