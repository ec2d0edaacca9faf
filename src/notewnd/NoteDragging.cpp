#include "notewnd/NoteDragging.h"

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
        anchor_ = at;
        sizing_ = true;
        return;
    }
    QWindow* handle = window_.windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    moving_ = true;
    moveOffset_ = event.globalPosition().toPoint() - window_.pos();
}

void NoteDragging::Follow(const QMouseEvent& event, bool shaded, int titleBarHeight) {
    const QPoint at = event.position().toPoint();
    if (sizing_) {
        window_.setGeometry(SizedRect(window_.geometry(), mode_, at, anchor_, titleBarHeight));
        anchor_ = at;
    } else if (moving_) {
        window_.move(event.globalPosition().toPoint() - moveOffset_);
    } else if (!shaded) {
        window_.setCursor(ZoneCursor(HitZone(at.x(), at.y(), window_.width(), window_.height())));
    }
}

void NoteDragging::End() {
    sizing_ = false;
    moving_ = false;
}

}  // namespace vesk
