#include "ui/SkinPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace lumbrant {

namespace {

// The outline's corner ellipses are 25 x 25.
constexpr qreal kOutlineRadius = 12.5;

struct FaceLook {
    QColor Top;
    QColor Bottom;
    QColor Border;
    QColor Shine;
    QColor Glyph;
};

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

// The rounded, gradient-filled body shared by all button faces.
void PaintFaceBody(QPainter& painter, const QSize& size, ButtonState state, qreal radius) {
    const FaceLook look = LookOf(state);
    const QRectF outline = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, look.Top);
    fill.setColorAt(0.5, look.Top.darker(125));
    fill.setColorAt(0.52, look.Bottom.lighter(115));
    fill.setColorAt(1, look.Bottom);
    painter.setPen(QPen(look.Border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outline, radius, radius);
    painter.setPen(QPen(look.Shine, 1));
    painter.drawLine(QPointF(radius, 1.5), QPointF(size.width() - radius, 1.5));
    if (state == ButtonState::Focused) {
        painter.setPen(QPen(QColor(245, 255, 91, 160), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outline.adjusted(2, 2, -2, -2), radius - 2, radius - 2);
    }
}

void PaintGlyph(QPainter& painter, const QSize& size, SmallButtonKind kind, const QColor& colour) {
    const qreal w = size.width();
    const qreal h = size.height();
    const QPointF centre(w / 2, h / 2);
    switch (kind) {
    case SmallButtonKind::Minimize:
        painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(w * 0.3, h * 0.68), QPointF(w * 0.7, h * 0.68));
        break;
    case SmallButtonKind::Close:
        painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(w * 0.3, h * 0.3), QPointF(w * 0.7, h * 0.7));
        painter.drawLine(QPointF(w * 0.7, h * 0.3), QPointF(w * 0.3, h * 0.7));
        break;
    case SmallButtonKind::Web: {
        const qreal r = w * 0.29;
        painter.setPen(QPen(colour, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
        painter.drawEllipse(centre, r * 0.45, r);
        painter.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
        break;
    }
    }
}

} // namespace

FrameColours FrameColours::Dark(const QColor& body) {
    return {body, {98, 104, 132}, {16, 17, 23}, {12, 12, 17}, {70, 74, 96}};
}

FrameColours FrameColours::Light(const QColor& body) {
    return {body, {86, 90, 116}, {250, 250, 255}, {120, 122, 142}, {246, 246, 252}};
}

QPixmap PaintWindowFrame(const QSize& size, const FrameColours& colours) {
    const qreal w = size.width();
    const qreal h = size.height();
    QPixmap frame(size);
    frame.fill(colours.Body);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), kOutlineRadius, kOutlineRadius);
    painter.setClipPath(outline);
    QLinearGradient title(0, 0, 0, kTitleHeight);
    title.setColorAt(0, QColor(78, 82, 106));
    title.setColorAt(0.48, QColor(46, 48, 63));
    title.setColorAt(0.52, QColor(34, 35, 47));
    title.setColorAt(1, QColor(22, 23, 31));
    painter.fillRect(QRectF(0, 0, w, kTitleHeight), title);
    painter.setPen(QPen(QColor(140, 146, 180, 150), 1));
    painter.drawLine(QPointF(kOutlineRadius, 1.5), QPointF(w - kOutlineRadius, 1.5));
    painter.setPen(QPen(colours.ShadeDark, 1));
    painter.drawLine(QPointF(0, kTitleHeight + 0.5), QPointF(w, kTitleHeight + 0.5));
    painter.setPen(QPen(colours.ShadeLight, 1));
    painter.drawLine(QPointF(0, kTitleHeight + 1.5), QPointF(w, kTitleHeight + 1.5));
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.OuterLine, 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kOutlineRadius - 0.5,
                            kOutlineRadius - 0.5);
    painter.setPen(QPen(colours.InnerLine, 1));
    painter.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), kOutlineRadius - 1.5,
                            kOutlineRadius - 1.5);
    return frame;
}

QPixmap PaintWell(const QSize& size, const QColor& inner) {
    QPixmap well(size);
    well.fill(Qt::transparent);
    QPainter painter(&well);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(10, 10, 14), 1));
    painter.setBrush(inner);
    painter.drawRoundedRect(outline, 5, 5);
    // Light falls from the top left: the lower rim catches it.
    painter.setPen(QPen(QColor(96, 101, 128, 190), 1));
    painter.drawLine(QPointF(5, size.height() - 0.5),
                     QPointF(size.width() - 5, size.height() - 0.5));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.drawLine(QPointF(5, 1.5), QPointF(size.width() - 5, 1.5));
    return well;
}

QPixmap PaintEmblem(int side) {
    QPixmap emblem(side, side);
    emblem.fill(Qt::transparent);
    QPainter painter(&emblem);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    const qreal core = side * 0.3;
    painter.setPen(QPen(QColor(245, 255, 91, 210), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal angle = ray * std::numbers::pi / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * (core + 1.5), centre + direction * (side * 0.47));
    }
    QRadialGradient glow(centre, core, centre - QPointF(core / 3, core / 3));
    glow.setColorAt(0, QColor(255, 255, 215));
    glow.setColorAt(0.6, kCaptionColour);
    glow.setColorAt(1, QColor(232, 164, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, core, core);
    return emblem;
}

QPixmap PaintButtonFace(const QSize& size, ButtonState state) {
    QPixmap face(size);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFaceBody(painter, size, state, 6);
    return face;
}

QPixmap PaintSmallButtonFace(const QSize& size, SmallButtonKind kind, ButtonState state) {
    QPixmap face(size);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFaceBody(painter, size, state, 4);
    if (state == ButtonState::Pressed) {
        painter.translate(0.5, 0.5);
    }
    PaintGlyph(painter, size, kind, LookOf(state).Glyph);
    return face;
}

QPixmap PaintPanelCorner(Qt::Corner corner, int radius, const QColor& outside,
                         const QColor& inside) {
    QPixmap piece(radius, radius);
    piece.fill(outside);
    QPainter painter(&piece);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(inside);
    const bool right = corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner;
    const bool bottom = corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner;
    const QPointF centre(right ? 0 : radius, bottom ? 0 : radius);
    painter.drawEllipse(centre, radius, radius);
    return piece;
}

} // namespace lumbrant
