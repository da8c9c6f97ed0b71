#pragma once

// The skin's bitmaps, drawn in code from the shared skin: the window frame
// with its title strip, recessed wells, the emblem, button faces for every
// state and the small corner pieces of the framed panels. Nothing here knows
// about widgets.

#include "skin/ButtonFace.h"
#include "skin/Frame.h"
#include "skin/Palette.h"
#include "ui/SkinQt.h"

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace lumbrant {

using skin::ButtonState;
using skin::FrameColours;
using skin::SmallButtonKind;
inline constexpr int kButtonStateCount = skin::kButtonStateCount;

// The caption colour of the skinned buttons and the status line.
inline constexpr QColor kCaptionColour = ToQColor(skin::kCaptionColour);

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
