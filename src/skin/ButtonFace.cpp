#include "skin/ButtonFace.h"

#include "skin/Palette.h"

namespace lumbrant::skin {

namespace {

FaceLook Look(Colour top, Colour topMiddle, Colour bottomMiddle, Colour bottom, Colour border,
              Colour shine, Colour glyph) {
    return {
        {{{0, top}, {0.5, topMiddle}, {0.52, bottomMiddle}, {1, bottom}}}, border, shine, glyph};
}

} // namespace

FaceLook LookOf(ButtonState state) {
    switch (state) {
    case ButtonState::Hot:
        return Look({112, 120, 172}, {90, 96, 138}, {57, 62, 99}, {50, 54, 86}, {245, 255, 91, 170},
                    {190, 196, 240}, kCaptionColour);
    case ButtonState::Pressed:
        return Look({30, 32, 48}, {24, 26, 38}, {83, 89, 131}, {72, 77, 114}, {10, 10, 16},
                    {30, 32, 48, 0}, kCaptionColour);
    case ButtonState::Disabled:
        return Look({104, 104, 112}, {83, 83, 90}, {90, 90, 99}, {78, 78, 86}, {58, 58, 64},
                    {130, 130, 138}, {140, 140, 150});
    case ButtonState::Normal:
    case ButtonState::Focused:
        break;
    }
    return Look({88, 94, 136}, {70, 75, 109}, {44, 47, 74}, {38, 41, 64}, {14, 15, 22},
                {150, 156, 204}, {226, 229, 242});
}

} // namespace lumbrant::skin
