#include "ui/WindowChrome.h"

#include "ui/DragMover.h"
#include "ui/PictureButton.h"
#include "ui/RoundedPanel.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace lumbrant {

namespace {

constexpr int kOutlineEllipse = 25;
constexpr const char* kDragSurfaceProperty = "lumbrantDragSurface";

bool IsDark(const QColor& colour) {
    return colour.lightness() < 128;
}

// The windows are laid out to the pixel, so the face is one face, named, at
// a size in pixels: whichever face a machine would substitute (a wide one
// runs the link texts out of their panel) or its screen resolution must not
// move a text. The package and the bootstrap bring the face.
QFont SkinFont(QFont font) {
    font.setFamilies({QString(kSkinFontFamily)});
    font.setPixelSize(kSkinFontPixelSize);
    return font;
}

} // namespace

QRegion RoundedOutline(const QSize& size) {
    const int w = size.width();
    const int h = size.height();
    const int e = kOutlineEllipse;
    const int straight = e / 2;
    QRegion outline(straight, 0, w - 2 * straight, h);
    outline += QRegion(0, straight, w, h - 2 * straight);
    outline += QRegion(0, 0, e, e, QRegion::Ellipse);
    outline += QRegion(w - e, 0, e, e, QRegion::Ellipse);
    outline += QRegion(0, h - e, e, e, QRegion::Ellipse);
    outline += QRegion(w - e, h - e, e, e, QRegion::Ellipse);
    return outline;
}

void SetRoundedOutline(QWidget* window) {
    window->setMask(RoundedOutline(window->size()));
}

QLabel* AddSkinImage(QWidget* window, const QString& name, const QPixmap& pixmap,
                     const QRect& geometry) {
    auto* image = new QLabel(window);
    image->setObjectName(name);
    image->setPixmap(pixmap);
    image->setGeometry(geometry);
    MarkDragSurface(image);
    return image;
}

void BuildFrame(QWidget* window) {
    window->setFont(SkinFont(window->font()));
    const int w = window->width();
    const int h = window->height();
    const QColor body = window->palette().color(QPalette::Window);
    const QPixmap frame = PaintWindowFrame(
        window->size(), IsDark(body) ? FrameColours::Dark(body) : FrameColours::Light(body));
    const auto piece = [&](const QString& name, const QRect& area) {
        AddSkinImage(window, name, frame.copy(area), area);
    };
    const int c = kCornerSize;
    piece("ImageB1", QRect(0, 0, c, kTitleHeight));
    piece("ImageB2", QRect(c, 0, w - 2 * c, kTitleHeight));
    piece("ImageB3", QRect(w - c, 0, c, kTitleHeight));
    piece("SunImage1", QRect(0, kTitleHeight, kEdgeWidth, h - kTitleHeight - c));
    piece("SunImage2", QRect(w - kEdgeWidth, kTitleHeight, kEdgeWidth, h - kTitleHeight - c));
    piece("SunImage3", QRect(c, h - kEdgeWidth, w - 2 * c, kEdgeWidth));
    piece("SunImage4", QRect(0, h - c, c, c));
    piece("SunImage5", QRect(w - c, h - c, c, c));
    piece("SunImage6", QRect(kEdgeWidth, kTitleHeight, w - 2 * kEdgeWidth, kShadeHeight));
    AddSkinImage(window, "SunImage7", PaintEmblem(20), QRect(30, 5, 20, 20));
}

void BuildSkin(QWidget* window) {
    BuildFrame(window);
    const QColor body = window->palette().color(QPalette::Window);
    AddSkinImage(window, "SunImage8", PaintWell(QSize(240, 26), body), QRect(61, 2, 240, 26));
    AddSkinImage(window, "SunImage9", PaintWell(QSize(50, 26), QColor(24, 25, 33)),
                 QRect(340, 2, 50, 26));
    AddSkinImage(window, "SunImage10", PaintWell(QSize(174, 39), QColor(26, 27, 36)),
                 QRect(115, 240, 174, 39));
}

QPushButton* MakeSmallButton(QWidget* parent, const QString& name, SmallButtonKind kind,
                             const QString& hint) {
    auto* button = new PictureButton(
        QString(),
        [kind](const QSize& size, ButtonState state) {
            return PaintSmallButtonFace(size, kind, state);
        },
        parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(18, 18);
    return button;
}

QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new PictureButton(caption, &PaintButtonFace, parent);
    button->setObjectName(name);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kCaptionColour);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 160, 168));
    button->setPalette(palette);
    return button;
}

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* panel = new RoundedPanel(QColor(219, 219, 229), parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    MarkDragSurface(panel);
    return panel;
}

void MarkDragSurface(QWidget* widget) {
    widget->setProperty(kDragSurfaceProperty, true);
}

DragMover* InstallDragSurfaces(QWidget* window) {
    auto* mover = new DragMover(window);
    mover->AddSurface(window);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->property(kDragSurfaceProperty).toBool()) {
            mover->AddSurface(child);
        }
    }
    return mover;
}

QPoint CentredOver(const QRect& owner, const QSize& size) {
    return QPoint(owner.left() + (owner.width() - size.width()) / 2,
                  owner.top() + (owner.height() - size.height()) / 2);
}

void MinimizeApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->showMinimized();
        }
    }
}

} // namespace lumbrant
