#include "skin/ButtonFace.h"

#include "skin/Palette.h"

#include <algorithm>
#include <cmath>

namespace lumbrant::skin {

namespace {

// The same hue and saturation, every channel scaled alike; the skin's colours
// stay below full brightness, where that is what scaling the value does.
Colour Scaled(const Colour& colour, double factor) {
    const auto channel = [factor](std::uint8_t value) {
        return static_cast<std::uint8_t>(std::min(255.0, std::round(value * factor)));
    };
    return {channel(colour.Red), channel(colour.Green), channel(colour.Blue), colour.Alpha};
}

} // namespace

FaceLook LookOf(ButtonState state) {
    switch (state) {
    case ButtonState::Hot:
        return {
            {112, 120, 172}, {50, 54, 86}, {245, 255, 91, 170}, {190, 196, 240}, kCaptionColour};
    case ButtonState::Pressed:
        return {{30, 32, 48}, {72, 77, 114}, {10, 10, 16}, {30, 32, 48, 0}, kCaptionColour};
    case ButtonState::Disabled:
        return {{104, 104, 112}, {78, 78, 86}, {58, 58, 64}, {130, 130, 138}, {140, 140, 150}};
    case ButtonState::Normal:
    case ButtonState::Focused:
        break;
    }
    return {{88, 94, 136}, {38, 41, 64}, {14, 15, 22}, {150, 156, 204}, {226, 229, 242}};
}

std::array<GradientStop, 4> FaceStops(const FaceLook& look) {
    return {{{0, look.Top},
             {kFaceMiddle, Scaled(look.Top, 100.0 / kFaceDarkerPercent)},
             {kFaceBreak, Scaled(look.Bottom, kFaceLighterPercent / 100.0)},
             {1, look.Bottom}}};
}

} // namespace lumbrant::skin
