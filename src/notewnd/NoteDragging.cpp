#include "notewnd/NoteDragging.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace vesk {

void NoteDragging::Begin(const QMouseEvent& event, bool shaded) {
    const QPoint at = event.position().toPoint();
    const SizingMode zone =
        shaded ? SizingMode::None : HitZone(at.x(), at.y(), window_.width(), window_.height());
    if (zone != SizingMode::None) {
        window_.setCursor(ZoneCursor(zone));
        mode_ = zone;
        sizedFrom_ = window_.geometry();
        sizingPressed_ = event.globalPosition().toPoint();
        sizing_ = true;
        return;
    }
    pressed_ = true;
    pressedAt_ = event.globalPosition().toPoint();
    moveOffset_ = pressedAt_ - window_.pos();
}

void NoteDragging::Follow(const QMouseEvent& event, bool shaded, int titleBarHeight) {
    const QPoint global = event.globalPosition().toPoint();
    if (sizing_) {
        window_.setGeometry(SizedRect(sizedFrom_, mode_, sizingPressed_, global, titleBarHeight));
        return;
    }
    const QPoint at = event.position().toPoint();
    // A release that never arrived leaves nothing to move.
    pressed_ = pressed_ && event.buttons().testFlag(Qt::LeftButton);
    if (pressed_ && (global - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        pressed_ = false;
        QWindow* handle = window_.windowHandle();
        moving_ = handle == nullptr || !handle->startSystemMove();
    }
    if (moving_) {
        window_.move(global - moveOffset_);
    } else if (!pressed_ && !shaded) {
        window_.setCursor(ZoneCursor(HitZone(at.x(), at.y(), window_.width(), window_.height())));
    }
}

void NoteDragging::End() {
    sizing_ = false;
    pressed_ = false;
    moving_ = false;
}

}  // namespace vesk
