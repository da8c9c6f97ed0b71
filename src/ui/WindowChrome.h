#pragma once

// The skin of the program's borderless windows: the rounded outline, the
// title strip and frame bitmaps, picture buttons, framed panels, and
// dragging a window by its body.

#include "skin/Frame.h"
#include "ui/SkinPainter.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

class QFrame;
class QLabel;
class QPixmap;
class QPushButton;
class QWidget;

namespace lumbrant {

class DragMover;

// The one face of every window, metric-compatible with the common Windows
// sans faces, and its size.
inline constexpr const char* kSkinFontFamily = skin::kFaceLinux.data();
inline constexpr int kSkinFontPixelSize = skin::kFacePixelSize;

// A rounded rectangle of size, its corners rounded by 25 x 25 ellipses.
QRegion RoundedOutline(const QSize& size);
// Cuts the window to the rounded outline of its present size.
void SetRoundedOutline(QWidget* window);

// A bitmap of the skin: a label named name showing pixmap at geometry,
// which drags its window.
QLabel* AddSkinImage(QWidget* window, const QString& name, const QPixmap& pixmap,
                     const QRect& geometry);

// The title strip (ImageB1 to ImageB3), the left, right and bottom edges
// (SunImage1 to SunImage3), the two lower corners (SunImage4, SunImage5), the
// shade under the title strip (SunImage6) and the emblem (SunImage7) of any
// borderless window, in the window's palette colour, and the skin's small
// font for everything in it. The window must have its final size.
void BuildFrame(QWidget* window);

// A recessed plate of the skin, which drags its window.
void AddWell(QWidget* window, const skin::Well& well);

// The main window's skin: the frame, and wells behind the status line
// (SunImage8), the title buttons (SunImage9) and the start button (SunImage10).
void BuildSkin(QWidget* window);

// An 18 x 18 picture button with a glyph; it takes no keyboard focus.
QPushButton* MakeSmallButton(QWidget* parent, const QString& name, SmallButtonKind kind,
                             const QString& hint);
// A picture button with a bold caption in the skin's caption colour.
QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& caption);
// A framed panel in RGB(219, 219, 229) with rounded corners; it drags its window.
QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry);

// Lets a widget drag its window once InstallDragSurfaces has run.
void MarkDragSurface(QWidget* widget);

// Makes the window and every widget in it marked as a drag surface move the
// window while the left button is held. Call once, after the controls exist.
DragMover* InstallDragSurfaces(QWidget* window);

// The position that centres a window of size over owner, each quotient
// rounded toward zero; it may lie off the screen.
QPoint CentredOver(const QRect& owner, const QSize& size);

// Minimises every visible window of the program.
void MinimizeApplication();

} // namespace lumbrant
