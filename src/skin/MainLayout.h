#pragma once

// The main window as both windows lay it out: its size, every control's
// place and text, the framed panels with their labels and links, and the
// wells behind the status line and the buttons.

#include "skin/Frame.h"
#include "skin/Palette.h"

#include <array>
#include <string_view>

namespace lumbrant::skin {

inline constexpr Size kMainWindowSize{402, 301};
inline constexpr std::string_view kMainWindowCaption = ".";

inline constexpr Rect kNotifierPlace{65, 4, 232, 20};
inline constexpr Rect kMinimizePlace{344, 6, 18, 18};
inline constexpr Rect kClosePlace{368, 6, 18, 18};
inline constexpr Rect kWebPlace{368, 74, 18, 18};
inline constexpr Rect kPanel2Place{16, 48, 369, 105};
inline constexpr Rect kPanel3Place{16, 160, 369, 73};
inline constexpr Rect kDeviceSelectorPlace{110, 171, 179, 21};
inline constexpr Rect kCountrySelectorPlace{110, 204, 179, 21};
inline constexpr Rect kGetNewsPlace{120, 245, 164, 29};

inline constexpr std::string_view kMinimizeHint = "Minimize";
inline constexpr std::string_view kCloseHint = "Close";
inline constexpr std::string_view kGetNewsCaption = "Get News";

// A text on a panel: its name, where it starts inside the panel, its text,
// and whether it is a link.
struct PanelLabel {
    std::string_view Name;
    Point Origin;
    std::string_view Text;
    bool Bold = false;
    bool Link = false;
};

inline constexpr std::array<PanelLabel, 3> kPanel2Labels = {{
    {"Label3", {43, 15}, "Knowledge Base", true, false},
    {"Label4", {51, 41}, "How to Transfer songs and videos from iPod to computer?", false, true},
    {"Label5", {51, 65}, "How to Transfer photos from iPod to computer?", false, true},
}};
inline constexpr std::array<PanelLabel, 2> kPanel3Labels = {{
    {"Label1", {43, 15}, "iPod"},
    {"Label2", {43, 47}, "Country"},
}};

// Behind the status line (in the window's own colour), the title buttons and
// the start button.
inline constexpr std::array<Well, 3> kMainWells = {{
    {"SunImage8", {61, 2, 240, 26}, kWindowColour},
    {"SunImage9", {340, 2, 50, 26}, kTitleButtonWell},
    {"SunImage10", {115, 240, 174, 39}, kStartButtonWell},
}};

} // namespace lumbrant::skin
