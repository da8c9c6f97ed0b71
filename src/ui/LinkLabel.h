#pragma once

#include <QLabel>

namespace lumbrant {

// A blue, underlined label with the hand cursor that reports a click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lumbrant
