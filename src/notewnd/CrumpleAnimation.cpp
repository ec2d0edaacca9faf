#include "notewnd/CrumpleAnimation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace vesk {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

int Shrink(int side, int frame) {
    return static_cast<int>(std::int64_t{side / 2} * frame / CrumpleAnimation::kFrameCount);
}

}  // namespace

QRect CrumpleFrameRect(const QRect& window, int frame) {
    const int dx = Shrink(window.width(), frame);
    const int dy = Shrink(window.height(), frame);
    return window.adjusted(dx, dy, -dx, -dy);
}

CrumpleAnimation::CrumpleAnimation(QWidget& window) : window_(&window) {
    // A precise timer never fires early, so every frame stays on screen for
    // its full time.
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CrumpleAnimation::NextFrame);
}

void CrumpleAnimation::Start(std::function<void()> finished) {
    if (running_ || !window_) {
        return;
    }
    capture_ = window_->grab();
    start_ = window_->geometry();
    finished_ = std::move(finished);
    frame_ = 0;
    running_ = true;
    qApp->installEventFilter(this);
    NextFrame();
}

bool CrumpleAnimation::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInput(event->type()) || !window_ || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != window_ && !window_->isAncestorOf(widget)) {
        return false;
    }
    // Taking the override keeps the note's shortcuts from firing too.
    event->accept();
    return true;
}

void CrumpleAnimation::NextFrame() {
    if (!window_) {
        Stop();
        return;
    }
    if (frame_ == kFrameCount) {
        Finish();
        return;
    }
    frameClock_.start();
    window_->setGeometry(CrumpleFrameRect(start_, frame_));
    ++frame_;
    const qint64 left = kFrameMs - frameClock_.elapsed();
    timer_.start(static_cast<int>(std::max<qint64>(0, left)));
}

void CrumpleAnimation::Finish() {
    auto finished = std::move(finished_);
    Stop();
    window_->setGeometry(start_);
    window_->update();
    if (finished) {
        finished();
    }
}

void CrumpleAnimation::Stop() {
    qApp->removeEventFilter(this);
    timer_.stop();
    running_ = false;
    finished_ = nullptr;
    capture_ = QPixmap();
}

}  // namespace vesk
