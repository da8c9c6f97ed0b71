#pragma once

// Points, sizes and rectangles in pixels, as both windows lay them out.

namespace lumbrant::skin {

struct Point {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int Width = 0;
    int Height = 0;
    constexpr bool operator==(const Size&) const = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    constexpr int Right() const { return Left + Width; } // one past the last column
    constexpr int Bottom() const { return Top + Height; }
    constexpr bool Contains(Point point) const {
        return point.X >= Left && point.X < Right() && point.Y >= Top && point.Y < Bottom();
    }
    constexpr bool Contains(const Rect& inner) const {
        return inner.Left >= Left && inner.Top >= Top && inner.Right() <= Right() &&
               inner.Bottom() <= Bottom();
    }
    constexpr bool Intersects(const Rect& other) const {
        return Left < other.Right() && other.Left < Right() && Top < other.Bottom() &&
               other.Top < Bottom();
    }
    constexpr Rect Moved(Point by) const { return {Left + by.X, Top + by.Y, Width, Height}; }
    constexpr bool operator==(const Rect&) const = default;
};

// The position that centres a window of size over owner, each quotient
// rounded toward zero; it may lie off the screen.
constexpr Point CentredOver(const Rect& owner, Size size) {
    return {owner.Left + (owner.Width - size.Width) / 2,
            owner.Top + (owner.Height - size.Height) / 2};
}

} // namespace lumbrant::skin
