#pragma once

// The skin drawn with GDI+, antialiased, from the shared skin: the frame
// with its title strip, the wells, the emblem, the framed panels, the button
// faces of every state, the texts and the status line's progress bar.

#include "skin/ButtonFace.h"
#include "skin/Palette.h"
#include "winui/Gdiplus.h"

#include <string_view>

namespace lumbrant {

// Antialiased shapes and text, with integer coordinates on the edges of
// the pixels, as the Linux window paints.
void PrepareGraphics(Gdiplus::Graphics& graphics);

// Body, title strip, bevelled outline and the shade under the strip of a
// window of size.
void PaintWindowFrame(Gdiplus::Graphics& graphics, skin::Size size,
                      const skin::FrameColours& colours);
void PaintWell(Gdiplus::Graphics& graphics, const skin::Rect& place, const skin::Colour& inner);
void PaintEmblem(Gdiplus::Graphics& graphics, const skin::Rect& place);
// A framed panel in inside whose rounded corners blend into outside.
void PaintPanel(Gdiplus::Graphics& graphics, const skin::Rect& place, const skin::Colour& inside,
                const skin::Colour& outside);

void PaintButtonFace(Gdiplus::Graphics& graphics, skin::Size size, skin::ButtonState state);
void PaintSmallButtonFace(Gdiplus::Graphics& graphics, skin::Size size, skin::SmallButtonKind kind,
                          skin::ButtonState state);

// The status line's bar for handled of total stories, at the bottom of line.
void PaintProgressBar(Gdiplus::Graphics& graphics, const skin::Rect& line, int handled, int total);

} // namespace lumbrant
