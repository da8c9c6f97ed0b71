#pragma once

#include <QFrame>
#include <QPixmap>
#include <array>

namespace lumbrant {

// A flat panel in its palette's window colour whose four corners are
// rounded by small corner bitmaps that blend into the colour around it.
class RoundedPanel : public QFrame {
    Q_OBJECT
public:
    RoundedPanel(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateCorners(const QColor& outside, const QColor& inside);

    QColor cornersOutside_;
    QColor cornersInside_;
    // Top left, top right, bottom left, bottom right.
    std::array<QPixmap, 4> corners_;
};

} // namespace lumbrant
