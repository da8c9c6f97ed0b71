#include "ui/LinkLabel.h"

#include "skin/Palette.h"
#include "ui/SkinQt.h"

#include <QMouseEvent>

namespace lumbrant {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setStyleSheet("color: " + CssRgb(skin::kLinkColour) + "; text-decoration: underline;");
    adjustSize();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace lumbrant
