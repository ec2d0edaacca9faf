// One stroke segment on a 1500 × 1500 scribble canvas, from the mouse move
// that arrives at the canvas while the button is down to the repaint that
// shows it, against the same line and circle drawn straight on an image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "notewnd/CSimpleCanvas.h"

namespace {

using namespace vesk;

constexpr int kSide = 1500;
constexpr int kRadius = 3;
constexpr COLORREF kInk = RGB(20, 30, 120);
// The pointer goes to and fro between two points a short move apart.
constexpr QPoint kFrom(700, 700);
constexpr QPoint kTo(706, 704);

void Send(QWidget& canvas, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(canvas.mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&canvas, &event);
}

void BM_CanvasStroke(benchmark::State& state) {
    CSimpleCanvas canvas(QImage(), RGB(255, 255, 210), kInk, kRadius, nullptr);
    canvas.resize(kSide, kSide);
    canvas.show();
    QApplication::processEvents();
    Send(canvas, QEvent::MouseMove, kFrom, Qt::NoButton, Qt::NoButton);
    Send(canvas, QEvent::MouseButtonPress, kFrom, Qt::LeftButton, Qt::LeftButton);
    bool there = false;
    for (auto _ : state) {
        there = !there;
        Send(canvas, QEvent::MouseMove, there ? kTo : kFrom, Qt::NoButton, Qt::LeftButton);
        // Anything the move left for later counts as well.
        QCoreApplication::sendPostedEvents();
    }
    benchmark::DoNotOptimize(canvas.GetSurface().constBits());
}
BENCHMARK(BM_CanvasStroke)->Unit(benchmark::kMicrosecond);

// The baseline: the painter's own work for the segment.
void BM_QImageStroke(benchmark::State& state) {
    QImage surface(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    const QColor ink(GetRValue(kInk), GetGValue(kInk), GetBValue(kInk));
    bool there = false;
    for (auto _ : state) {
        there = !there;
        const QPointF to = QPointF(there ? kTo : kFrom) + QPointF(0.5, 0.5);
        const QPointF last = QPointF(there ? kFrom : kTo) + QPointF(0.5, 0.5);
        QPainter painter(&surface);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ink, 2.0 * kRadius, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(to, last);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(last, kRadius, kRadius);
    }
    benchmark::DoNotOptimize(surface.constBits());
}
BENCHMARK(BM_QImageStroke)->Unit(benchmark::kMicrosecond);

}  // namespace
