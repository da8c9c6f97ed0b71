#include "ui/StatusLine.h"

#include <QPainter>
#include <algorithm>

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
    if (total_ <= 0) {
        return;
    }
    const int done = std::clamp(handled_, 0, total_);
    const int filled = static_cast<int>(static_cast<long long>(width()) * done / total_);
    const int top = height() - kBarHeight;
    QPainter painter(this);
    painter.fillRect(0, top, width(), kBarHeight, kBarTrack);
    painter.fillRect(0, top, filled, kBarHeight, kBarFill);
}

} // namespace lumbrant
