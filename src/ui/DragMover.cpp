#include "ui/DragMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumbrant {

namespace {

constexpr const char* kSurfaceProperty = "lumbrantDragSurfaceOf";

} // namespace

DragMover::DragMover(QWidget* window) : QObject(window), window_(window) {
    setObjectName("DragMover");
}

void DragMover::AddSurface(QWidget* surface) {
    surface->setProperty(kSurfaceProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    surface->installEventFilter(this);
}

bool DragMover::IsSurface(const QWidget* surface) const {
    return surface->property(kSurfaceProperty).value<QObject*>() == this;
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
    case QEvent::MouseButtonPress: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (!OnSurfaceItself(surface, mouse)) {
            return false;
        }
        mode_ = Mode::Idle;
        pressSeen_ = mouse.button() == Qt::LeftButton;
        pressGlobal_ = mouse.globalPosition().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (!(mouse.buttons() & Qt::LeftButton)) {
            mode_ = Mode::Idle;
            return false;
        }
        if (mode_ == Mode::Idle) {
            if (!OnSurfaceItself(surface, mouse)) {
                return false;
            }
            Begin(surface, mouse.globalPosition().toPoint());
        } else if (mode_ == Mode::ByHand) {
            Follow(mouse.globalPosition().toPoint());
        }
        event->accept();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton) {
            mode_ = Mode::Idle;
            pressSeen_ = false;
        }
        return false;
    default:
        return false;
    }
}

void DragMover::Begin(QWidget* surface, const QPoint& global) {
    ++dragsStarted_;
    emit dragStarted(surface);
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
