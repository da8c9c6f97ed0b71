#pragma once

// A colour with its opacity, as both windows paint it.

#include <algorithm>
#include <cstdint>

namespace lumbrant::skin {

struct Colour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Alpha = 255;
    constexpr bool operator==(const Colour&) const = default;
};

// A colour at a point of a gradient, 0 at its start and 1 at its end.
struct GradientStop {
    double At = 0;
    Colour Shade;
};

// Dark colours get light lines around them and the other way round: the
// lightness is the mean of the strongest and the weakest channel.
constexpr bool IsDark(const Colour& colour) {
    const int strongest = std::max({colour.Red, colour.Green, colour.Blue});
    const int weakest = std::min({colour.Red, colour.Green, colour.Blue});
    return (strongest + weakest) / 2 < 128;
}

} // namespace lumbrant::skin
