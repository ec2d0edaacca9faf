#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>

class QWidget;

namespace vesk {

// Frame `frame` (0 to 29) of a window at `window` shrinking towards its
// centre: the rectangle less (width / 2) × frame / 30 on the left and right
// and (height / 2) × frame / 30 at the top and bottom, in whole pixels.
QRect CrumpleFrameRect(const QRect& window, int frame);

// Shrinks a note window towards its centre in 30 frames, showing a picture
// of the note taken at the start, then puts the window back in its place.
// The frames are driven by the event loop so that each one is really shown;
// the note takes no input meanwhile.
class CrumpleAnimation : public QObject {
    Q_OBJECT

public:
    static constexpr int kFrameCount = 30;
    // The shortest time between the starts of two frames.
    static constexpr int kFrameMs = 16;

    explicit CrumpleAnimation(QWidget& window);

    // Takes the picture and starts; does nothing while already running.
    // `finished` runs once after the window is back at its place, unless the
    // window is destroyed first.
    void Start(std::function<void()> finished);
    bool IsRunning() const { return running_; }
    // The note as it was at the start, for its painting to stretch over the
    // shrinking window; null when not running.
    const QPixmap& GetCapture() const { return capture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NextFrame();
    void Finish();
    void Stop();

    QPointer<QWidget> window_;
    QRect start_;
    QPixmap capture_;
    std::function<void()> finished_;
    bool running_ = false;
    int frame_ = 0;
    QTimer timer_;
    QElapsedTimer frameClock_;
};

}  // namespace vesk
