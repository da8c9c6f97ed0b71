#pragma once

// The skin's bitmaps, drawn in code: the window frame with its title strip,
// recessed wells, the emblem, button faces for every state and the small
// corner pieces of the framed panels. Nothing here knows about widgets.

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace lumbrant {

enum class ButtonState { Normal, Hot, Pressed, Disabled, Focused };
inline constexpr int kButtonStateCount = 5;

enum class SmallButtonKind { Minimize, Close, Web };

inline constexpr int kTitleHeight = 30;
inline constexpr int kEdgeWidth = 3;
inline constexpr int kCornerSize = 14;
// The shade line under the title strip.
inline constexpr int kShadeHeight = 2;

// The caption colour of the skinned buttons and the status line.
inline constexpr QColor kCaptionColour{245, 255, 91};

struct FrameColours {
    QColor Body;
    QColor OuterLine;
    QColor InnerLine;
    QColor ShadeDark;
    QColor ShadeLight;

    static FrameColours Dark(const QColor& body);
    static FrameColours Light(const QColor& body);
};

// The whole window as one bitmap: body, title strip, bevelled outline and
// the shade under the title. The skin cuts its pieces out of it, so that
// they always line up.
QPixmap PaintWindowFrame(const QSize& size, const FrameColours& colours);

// A recessed plate with rounded corners whose inside is filled with inner.
QPixmap PaintWell(const QSize& size, const QColor& inner);

// The program's little sun in the title strip.
QPixmap PaintEmblem(int side);

QPixmap PaintButtonFace(const QSize& size, ButtonState state);
QPixmap PaintSmallButtonFace(const QSize& size, SmallButtonKind kind, ButtonState state);

// One corner of a framed panel: outside the quarter circle the colour
// around the panel, inside it the panel's own.
QPixmap PaintPanelCorner(Qt::Corner corner, int radius, const QColor& outside,
                         const QColor& inside);

} // namespace lumbrant
