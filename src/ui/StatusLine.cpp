#include "ui/StatusLine.h"

#include <QPainter>

namespace lumbrant {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {}

void StatusLine::SetProgress(int handled, int total) {
    if (handled == handled_ && total == total_) {
        return;
    }
    handled_ = handled;
    total_ = total;
    update();
}

void StatusLine::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    const skin::ProgressBarPlaces bar = skin::ProgressBar({width(), height()}, handled_, total_);
    if (!bar.Shown) {
        return;
    }
    QPainter painter(this);
    painter.fillRect(ToQRect(bar.Track), kBarTrack);
    painter.fillRect(ToQRect(bar.Fill), kBarFill);
}

} // namespace lumbrant
