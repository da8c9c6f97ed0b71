#pragma once

// Every colour of the skin: the windows, panels, texts, links, the status
// line's bar, the frame and its title strip, the recessed wells and the
// emblem.

#include "skin/Colour.h"

#include <array>

namespace lumbrant::skin {

inline constexpr Colour kWindowColour{41, 43, 55};
inline constexpr Colour kPanelColour{219, 219, 229};
inline constexpr Colour kDialogColour{219, 219, 229};
// The captions of the picture buttons and the status line.
inline constexpr Colour kCaptionColour{245, 255, 91};
inline constexpr Colour kDisabledCaptionColour{160, 160, 168};
inline constexpr Colour kLabelColour{0, 0, 0};
inline constexpr Colour kLinkColour{0, 0, 255};
inline constexpr Colour kDialogTextColour{40, 42, 60};

// The status line's progress bar.
inline constexpr Colour kBarTrack{62, 65, 82};
inline constexpr Colour kBarFill{108, 186, 255};

// The lines of a window's frame: a dark window has light lines and a light
// one dark lines.
struct FrameColours {
    Colour Body;
    Colour OuterLine;
    Colour InnerLine;
    Colour ShadeDark;
    Colour ShadeLight;
};

constexpr FrameColours FrameColoursFor(const Colour& body) {
    if (IsDark(body)) {
        return {body, {98, 104, 132}, {16, 17, 23}, {12, 12, 17}, {70, 74, 96}};
    }
    return {body, {86, 90, 116}, {250, 250, 255}, {120, 122, 142}, {246, 246, 252}};
}

// The title strip, top to bottom, and its highlight line.
inline constexpr std::array<GradientStop, 4> kTitleStops = {{
    {0, {78, 82, 106}},
    {0.48, {46, 48, 63}},
    {0.52, {34, 35, 47}},
    {1, {22, 23, 31}},
}};
inline constexpr Colour kTitleHighlight{140, 146, 180, 150};

// The recessed plates behind the status line and the buttons.
inline constexpr Colour kWellBorder{10, 10, 14};
inline constexpr Colour kWellLowerRim{96, 101, 128, 190};
inline constexpr Colour kWellUpperShadow{0, 0, 0, 90};
inline constexpr Colour kTitleButtonWell{24, 25, 33};
inline constexpr Colour kStartButtonWell{26, 27, 36};

// The little sun of the title strip: its rays, and its core from the light
// spot outwards.
inline constexpr Colour kEmblemRayColour{245, 255, 91, 210};
inline constexpr std::array<GradientStop, 3> kEmblemStops = {{
    {0, {255, 255, 215}},
    {0.6, kCaptionColour},
    {1, {232, 164, 40}},
}};

} // namespace lumbrant::skin
