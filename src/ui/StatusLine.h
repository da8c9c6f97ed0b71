#pragma once

#include "skin/Palette.h"
#include "skin/ProgressBar.h"
#include "ui/SkinQt.h"

#include <QColor>
#include <QLabel>

namespace lumbrant {

// The status line: a label that, while a run goes, draws the run's progress
// as a thin bar along its bottom edge, under its text. Without a run it
// draws nothing more than its text.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    static constexpr int kBarHeight = skin::kBarHeight;
    static inline const QColor kBarTrack = ToQColor(skin::kBarTrack);
    static inline const QColor kBarFill = ToQColor(skin::kBarFill);

    explicit StatusLine(QWidget* parent);

    // handled of total stories; a total of 0 or less draws no bar.
    void SetProgress(int handled, int total);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int handled_ = 0;
    int total_ = 0;
};

} // namespace lumbrant
