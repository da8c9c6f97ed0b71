#pragma once

// The run's progress along the bottom of the status line: a thin track, and
// over it the fill for the stories handled so far.

#include "skin/Geometry.h"

#include <algorithm>

namespace lumbrant::skin {

inline constexpr int kBarHeight = 2;

struct ProgressBarPlaces {
    bool Shown = false;
    Rect Track;
    Rect Fill;
};

// Where the bar lies on a status line of size: handled of total stories; a
// total of 0 or less shows none.
constexpr ProgressBarPlaces ProgressBar(Size line, int handled, int total) {
    if (total <= 0) {
        return {};
    }
    const int done = std::clamp(handled, 0, total);
    const int filled = static_cast<int>(static_cast<long long>(line.Width) * done / total);
    const int top = line.Height - kBarHeight;
    return {true, {0, top, line.Width, kBarHeight}, {0, top, filled, kBarHeight}};
}

} // namespace lumbrant::skin
