#include "ui/SkinPainter.h"

#include "skin/Outline.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace lumbrant {

namespace {

using skin::kOutlineRadius;

// The rounded, gradient-filled body shared by all button faces.
void PaintFaceBody(QPainter& painter, const QSize& size, ButtonState state, qreal radius) {
    const skin::FaceLook look = skin::LookOf(state);
    const QRectF outline = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor top = ToQColor(look.Top);
    const QColor bottom = ToQColor(look.Bottom);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, top);
    fill.setColorAt(skin::kFaceMiddle, top.darker(skin::kFaceDarkerPercent));
    fill.setColorAt(skin::kFaceBreak, bottom.lighter(skin::kFaceLighterPercent));
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(ToQColor(look.Border), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outline, radius, radius);
    painter.setPen(QPen(ToQColor(look.Shine), 1));
    painter.drawLine(QPointF(radius, 1.5), QPointF(size.width() - radius, 1.5));
    if (state == ButtonState::Focused) {
        const qreal inset = skin::kFocusRingInset;
        painter.setPen(QPen(ToQColor(skin::kFocusRing), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outline.adjusted(inset, inset, -inset, -inset), radius - inset,
                                radius - inset);
    }
}

QLineF GlyphLine(const skin::GlyphLine& line, qreal w, qreal h) {
    return QLineF(w * line.FromX, h * line.FromY, w * line.ToX, h * line.ToY);
}

void PaintGlyph(QPainter& painter, const QSize& size, SmallButtonKind kind, const QColor& colour) {
    const qreal w = size.width();
    const qreal h = size.height();
    const QPointF centre(w / 2, h / 2);
    switch (kind) {
    case SmallButtonKind::Minimize:
        painter.setPen(QPen(colour, skin::kMinimizeGlyphPen, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(GlyphLine(skin::kMinimizeGlyph, w, h));
        break;
    case SmallButtonKind::Close:
        painter.setPen(QPen(colour, skin::kCloseGlyphPen, Qt::SolidLine, Qt::RoundCap));
        for (const skin::GlyphLine& line : skin::kCloseGlyph) {
            painter.drawLine(GlyphLine(line, w, h));
        }
        break;
    case SmallButtonKind::Web: {
        const qreal r = w * skin::kWebGlyphRadius;
        painter.setPen(QPen(colour, skin::kWebGlyphPen));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
        painter.drawEllipse(centre, r * skin::kWebGlyphMeridian, r);
        painter.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
        break;
    }
    }
}

} // namespace

QPixmap PaintWindowFrame(const QSize& size, const FrameColours& colours) {
    const qreal w = size.width();
    const qreal h = size.height();
    QPixmap frame(size);
    frame.fill(ToQColor(colours.Body));
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), kOutlineRadius, kOutlineRadius);
    painter.setClipPath(outline);
    QLinearGradient title(0, 0, 0, skin::kTitleHeight);
    for (const skin::GradientStop& stop : skin::kTitleStops) {
        title.setColorAt(stop.At, ToQColor(stop.Shade));
    }
    painter.fillRect(QRectF(0, 0, w, skin::kTitleHeight), title);
    painter.setPen(QPen(ToQColor(skin::kTitleHighlight), 1));
    painter.drawLine(QPointF(kOutlineRadius, 1.5), QPointF(w - kOutlineRadius, 1.5));
    painter.setPen(QPen(ToQColor(colours.ShadeDark), 1));
    painter.drawLine(QPointF(0, skin::kTitleHeight + 0.5), QPointF(w, skin::kTitleHeight + 0.5));
    painter.setPen(QPen(ToQColor(colours.ShadeLight), 1));
    painter.drawLine(QPointF(0, skin::kTitleHeight + 1.5), QPointF(w, skin::kTitleHeight + 1.5));
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ToQColor(colours.OuterLine), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kOutlineRadius - 0.5,
                            kOutlineRadius - 0.5);
    painter.setPen(QPen(ToQColor(colours.InnerLine), 1));
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
    painter.setPen(QPen(ToQColor(skin::kWellBorder), 1));
    painter.setBrush(inner);
    painter.drawRoundedRect(outline, skin::kWellRadius, skin::kWellRadius);
    // Light falls from the top left: the lower rim catches it.
    painter.setPen(QPen(ToQColor(skin::kWellLowerRim), 1));
    painter.drawLine(QPointF(5, size.height() - 0.5),
                     QPointF(size.width() - 5, size.height() - 0.5));
    painter.setPen(QPen(ToQColor(skin::kWellUpperShadow), 1));
    painter.drawLine(QPointF(5, 1.5), QPointF(size.width() - 5, 1.5));
    return well;
}

QPixmap PaintEmblem(int side) {
    QPixmap emblem(side, side);
    emblem.fill(Qt::transparent);
    QPainter painter(&emblem);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    const qreal core = side * skin::kEmblemCore;
    painter.setPen(
        QPen(ToQColor(skin::kEmblemRayColour), skin::kEmblemRayPen, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < skin::kEmblemRayCount; ++ray) {
        const qreal angle = ray * 2 * std::numbers::pi / skin::kEmblemRayCount;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * (core + skin::kEmblemRayGap),
                         centre + direction * (side * skin::kEmblemRayEnd));
    }
    QRadialGradient glow(centre, core, centre - QPointF(core / 3, core / 3));
    for (const skin::GradientStop& stop : skin::kEmblemStops) {
        glow.setColorAt(stop.At, ToQColor(stop.Shade));
    }
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
    PaintFaceBody(painter, size, state, skin::kFaceRadius);
    return face;
}

QPixmap PaintSmallButtonFace(const QSize& size, SmallButtonKind kind, ButtonState state) {
    QPixmap face(size);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFaceBody(painter, size, state, skin::kSmallFaceRadius);
    if (state == ButtonState::Pressed) {
        painter.translate(0.5, 0.5);
    }
    PaintGlyph(painter, size, kind, ToQColor(skin::LookOf(state).Glyph));
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
