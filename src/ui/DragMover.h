#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

namespace lumbrant {

// Moves a borderless window while the left button is held on one of its
// drag surfaces. The system moves the window where it can
// (QWindow::startSystemMove); elsewhere the window follows the mouse by
// hand. The drag belongs to the surface the left button was pressed on;
// events that reach a surface from one of its children (a label on a panel)
// start nothing: only the surface itself is a handle.
class DragMover : public QObject {
    Q_OBJECT
public:
    explicit DragMover(QWidget* window);

    void AddSurface(QWidget* surface);

    // How many drags have started since the window was built.
    int DragsStarted() const { return dragsStarted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Idle, BySystem, ByHand };

    bool OnSurfaceItself(const QWidget* surface, const QMouseEvent& event) const;
    bool Pressed(QWidget* surface, QMouseEvent& mouse);
    bool Moved(QWidget* surface, QMouseEvent& mouse);
    void Begin(const QPoint& global);
    void Follow(const QPoint& global);

    QWidget* window_;
    Mode mode_ = Mode::Idle;
    // A press has been seen since the last release, and the surface it
    // fell on itself (none when it fell on a child or was not the left button).
    bool pressSeen_ = false;
    const QObject* pressedSurface_ = nullptr;
    QPoint pressGlobal_;
    QPoint anchorGlobal_;
    QPoint windowStart_;
    int dragsStarted_ = 0;
};

} // namespace lumbrant
