#include "ui/RoundedPanel.h"

#include "skin/Frame.h"
#include "ui/SkinPainter.h"

#include <QPainter>

namespace lumbrant {

namespace {

constexpr int kCornerRadius = skin::kPanelCornerRadius;

} // namespace

RoundedPanel::RoundedPanel(const QColor& colour, QWidget* parent) : QFrame(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void RoundedPanel::UpdateCorners(const QColor& outside, const QColor& inside) {
    if (outside == cornersOutside_ && inside == cornersInside_) {
        return;
    }
    cornersOutside_ = outside;
    cornersInside_ = inside;
    const std::array<Qt::Corner, 4> order = {Qt::TopLeftCorner, Qt::TopRightCorner,
                                             Qt::BottomLeftCorner, Qt::BottomRightCorner};
    for (std::size_t i = 0; i < order.size(); ++i) {
        corners_[i] = PaintPanelCorner(order[i], kCornerRadius, outside, inside);
    }
}

void RoundedPanel::paintEvent(QPaintEvent*) {
    const QColor inside = palette().color(QPalette::Window);
    const QColor outside =
        parentWidget() != nullptr ? parentWidget()->palette().color(QPalette::Window) : inside;
    UpdateCorners(outside, inside);
    QPainter painter(this);
    painter.fillRect(rect(), inside);
    const int right = width() - kCornerRadius;
    const int bottom = height() - kCornerRadius;
    painter.drawPixmap(0, 0, corners_[0]);
    painter.drawPixmap(right, 0, corners_[1]);
    painter.drawPixmap(0, bottom, corners_[2]);
    painter.drawPixmap(right, bottom, corners_[3]);
}

} // namespace lumbrant
