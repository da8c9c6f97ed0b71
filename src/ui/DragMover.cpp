#include "ui/DragMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumbrant {

DragMover::DragMover(QWidget* window) : QObject(window), window_(window) {
    setObjectName("DragMover");
}

void DragMover::AddSurface(QWidget* surface) {
    surface->installEventFilter(this);
}

bool DragMover::OnSurfaceItself(const QWidget* surface, const QMouseEvent& event) const {
    // A child that ignores the mouse passes its events up with the position
    // mapped into the surface; the child still stands under that point.
    return surface->childAt(event.position().toPoint()) == nullptr;
}

bool DragMover::eventFilter(QObject* watched, QEvent* event) {
    auto* surface = qobject_cast<QWidget*>(watched);
    if (surface == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return Pressed(surface, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove:
        return Moved(surface, static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton) {
            mode_ = Mode::Idle;
            pressSeen_ = false;
            pressedSurface_ = nullptr;
        }
        return false;
    default:
        return false;
    }
}

bool DragMover::Pressed(QWidget* surface, QMouseEvent& mouse) {
    mode_ = Mode::Idle;
    pressSeen_ = true;
    if (mouse.button() != Qt::LeftButton || !OnSurfaceItself(surface, mouse)) {
        // Also a press on a child (a label) passing by on its way up: it
        // holds nothing, and the moves that follow it drag nothing.
        pressedSurface_ = nullptr;
        return false;
    }
    pressedSurface_ = surface;
    pressGlobal_ = mouse.globalPosition().toPoint();
    // Kept here, so that the widgets behind the surface do not take the
    // press for their own.
    mouse.accept();
    return true;
}

bool DragMover::Moved(QWidget* surface, QMouseEvent& mouse) {
    if (!(mouse.buttons() & Qt::LeftButton)) {
        mode_ = Mode::Idle;
        return false;
    }
    const QPoint global = mouse.globalPosition().toPoint();
    if (mode_ == Mode::Idle) {
        // The mouse may have left the surface by the first move: the press
        // decides. A move with no press before it is judged where it is.
        const bool handle =
            pressSeen_ ? surface == pressedSurface_ : OnSurfaceItself(surface, mouse);
        if (!handle) {
            return false;
        }
        Begin(global);
    } else if (mode_ == Mode::ByHand) {
        Follow(global);
    }
    mouse.accept();
    return true;
}

void DragMover::Begin(const QPoint& global) {
    ++dragsStarted_;
    if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle->startSystemMove()) {
        mode_ = Mode::BySystem;
        return;
    }
    mode_ = Mode::ByHand;
    anchorGlobal_ = pressSeen_ ? pressGlobal_ : global;
    windowStart_ = window_->pos();
    Follow(global);
}

void DragMover::Follow(const QPoint& global) {
    window_->move(windowStart_ + (global - anchorGlobal_));
}

} // namespace lumbrant
