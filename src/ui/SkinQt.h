#pragma once

// The shared skin's colours and places as Qt's.

#include "skin/Colour.h"
#include "skin/Geometry.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

namespace lumbrant {

constexpr QColor ToQColor(const skin::Colour& colour) {
    return QColor(colour.Red, colour.Green, colour.Blue, colour.Alpha);
}

inline skin::Colour FromQColor(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue()), static_cast<std::uint8_t>(colour.alpha())};
}

// The skin's texts are plain ASCII.
inline QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A colour as a style sheet writes it: "rgb(r, g, b)".
inline QString CssRgb(const skin::Colour& colour) {
    return QString("rgb(%1, %2, %3)").arg(colour.Red).arg(colour.Green).arg(colour.Blue);
}

constexpr QRect ToQRect(const skin::Rect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
}

constexpr QSize ToQSize(const skin::Size& size) {
    return QSize(size.Width, size.Height);
}

constexpr QPoint ToQPoint(const skin::Point& point) {
    return QPoint(point.X, point.Y);
}

} // namespace lumbrant
