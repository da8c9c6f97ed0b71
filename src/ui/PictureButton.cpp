#include "ui/PictureButton.h"

#include <QPainter>
#include <utility>

namespace lumbrant {

PictureButton::PictureButton(const QString& caption, FacePainter faces, QWidget* parent)
    : QPushButton(caption, parent), painter_(std::move(faces)) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

ButtonState PictureButton::State() const {
    if (!isEnabled()) {
        return ButtonState::Disabled;
    }
    if (isDown()) {
        return ButtonState::Pressed;
    }
    if (underMouse()) {
        return ButtonState::Hot;
    }
    if (hasFocus()) {
        return ButtonState::Focused;
    }
    return ButtonState::Normal;
}

const QPixmap& PictureButton::Face(ButtonState state) {
    QPixmap& face = faces_[static_cast<std::size_t>(state)];
    if (face.size() != size()) {
        face = painter_(size(), state);
    }
    return face;
}

void PictureButton::paintEvent(QPaintEvent*) {
    const ButtonState state = State();
    QPainter painter(this);
    painter.drawPixmap(0, 0, Face(state));
    if (text().isEmpty()) {
        return;
    }
    const QPalette::ColorGroup group =
        state == ButtonState::Disabled ? QPalette::Disabled : QPalette::Active;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.setFont(font());
    QRect area = rect();
    if (state == ButtonState::Pressed) {
        area.translate(1, 1);
    }
    painter.drawText(area, Qt::AlignCenter, text());
}

void PictureButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    update();
}

} // namespace lumbrant
