#include "ui/WindowChrome.h"

#include "skin/DialogLayout.h"
#include "skin/MainLayout.h"
#include "skin/Outline.h"
#include "ui/DragMover.h"
#include "ui/PictureButton.h"
#include "ui/RoundedPanel.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace lumbrant {

namespace {

constexpr const char* kDragSurfaceProperty = "lumbrantDragSurface";

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
    const skin::OutlinePieces pieces = skin::RoundedOutline({size.width(), size.height()});
    QRegion outline;
    for (const skin::Rect& piece : pieces.Rectangles) {
        outline += QRegion(ToQRect(piece));
    }
    for (const skin::Rect& corner : pieces.CornerEllipses) {
        outline += QRegion(ToQRect(corner), QRegion::Ellipse);
    }
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
    const skin::Colour body = FromQColor(window->palette().color(QPalette::Window));
    const QPixmap frame = PaintWindowFrame(window->size(), skin::FrameColoursFor(body));
    for (const skin::FramePiece& piece : skin::FramePieces({window->width(), window->height()})) {
        const QRect area = ToQRect(piece.Place);
        AddSkinImage(window, QString::fromUtf8(piece.Name.data(), piece.Name.size()),
                     frame.copy(area), area);
    }
    AddSkinImage(window, "SunImage7", PaintEmblem(skin::kEmblemPlace.Width),
                 ToQRect(skin::kEmblemPlace));
}

void AddWell(QWidget* window, const skin::Well& well) {
    const QRect place = ToQRect(well.Place);
    AddSkinImage(window, QString::fromUtf8(well.Name.data(), well.Name.size()),
                 PaintWell(place.size(), ToQColor(well.Inside)), place);
}

void BuildSkin(QWidget* window) {
    BuildFrame(window);
    for (const skin::Well& well : skin::kMainWells) {
        AddWell(window, well);
    }
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
    button->resize(ToQSize(skin::kSmallButtonSize));
    return button;
}

QPushButton* MakePictureButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new PictureButton(caption, &PaintButtonFace, parent);
    button->setObjectName(name);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kCaptionColour);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     ToQColor(skin::kDisabledCaptionColour));
    button->setPalette(palette);
    return button;
}

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* panel = new RoundedPanel(ToQColor(skin::kPanelColour), parent);
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
    return ToQPoint(skin::CentredOver({owner.x(), owner.y(), owner.width(), owner.height()},
                                      {size.width(), size.height()}));
}

void MinimizeApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->showMinimized();
        }
    }
}

} // namespace lumbrant
