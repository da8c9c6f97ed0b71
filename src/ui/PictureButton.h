#pragma once

#include "ui/SkinPainter.h"

#include <QPushButton>
#include <array>
#include <functional>

namespace lumbrant {

// A push button that paints itself from bitmaps, one face per state
// (normal, hot, pressed, disabled, focused), with an optional bold caption
// in the palette's button-text colour on top.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    using FacePainter = std::function<QPixmap(const QSize&, ButtonState)>;

    PictureButton(const QString& caption, FacePainter faces, QWidget* parent);

    // The state the button shows now; disabled wins over pressed, pressed
    // over hot, hot over focused.
    ButtonState State() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QPixmap& Face(ButtonState state);

    FacePainter painter_;
    // Drawn on first use, again whenever the size has changed.
    std::array<QPixmap, kButtonStateCount> faces_;
};

} // namespace lumbrant
