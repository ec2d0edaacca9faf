#include "notewnd/CSimpleCanvas.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>
#include <utility>

#include "notes/ScribbleNoteData.h"
#include "notewnd/QtColors.h"
#include "notewnd/ScribbleInk.h"

namespace vesk {

namespace {

constexpr int kTrackingIntervalMs = 50;

// A side of the surface: no smaller than before, no larger than a drawing
// may be.
int SurfaceSide(int current, int wanted) {
    return std::min(std::max(current, wanted), ScribbleNoteData::kMaxImageSide);
}

QImage BlankSurface(QSize size) {
    QImage surface(
        size.boundedTo({ScribbleNoteData::kMaxImageSide, ScribbleNoteData::kMaxImageSide}),
        QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::transparent);
    return surface;
}

}  // namespace

CSimpleCanvas::CSimpleCanvas(QImage surface, COLORREF background, COLORREF pen, int radius,
                             QWidget* parent)
    : QWidget(parent),
      surface_(std::move(surface)),
      background_(ToQColor(background)),
      pen_(pen),
      radius_(radius) {
    // Every pixel is painted, background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The note's sizing cursors stop at its edges.
    setCursor(Qt::ArrowCursor);
}

void CSimpleCanvas::SetColors(COLORREF background, COLORREF pen) {
    background_ = ToQColor(background);
    pen_ = pen;
    Recolor(surface_, pen);
    update();
}

void CSimpleCanvas::ClearSurface() {
    surface_ = BlankSurface(size());
    update();
}

void CSimpleCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drawing_ = true;
        erasing_ = false;
    } else if (event->button() == Qt::RightButton) {
        erasing_ = true;
        drawing_ = false;
    } else {
        return;
    }
    last_ = event->position().toPoint();
}

void CSimpleCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drawing_ = false;
    } else if (event->button() == Qt::RightButton) {
        erasing_ = false;
    }
}

void CSimpleCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    // A pressed button keeps the pointer's movements coming after it left;
    // the canvas hears only those over it.
    if (!rect().contains(p)) {
        return;
    }
    if (!tracking_.isActive()) {
        // The pointer has just come in: where it came from is no place to
        // draw from.
        tracking_.start(kTrackingIntervalMs, this);
        return;
    }
    if (drawing_ || erasing_) {
        Stroke(p);
    }
}

void CSimpleCanvas::timerEvent(QTimerEvent* event) {
    if (event->timerId() != tracking_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())) && mouseGrabber() != this) {
        StopTracking();
    }
}

void CSimpleCanvas::StopTracking() {
    tracking_.stop();
    drawing_ = false;
    erasing_ = false;
}

void CSimpleCanvas::Stroke(QPoint p) {
    if (surface_.isNull()) {
        return;
    }
    const QColor colour = erasing_ ? QColor(Qt::transparent) : ToQColor(pen_);
    // Through the pixels' centres, so that a stroke is as wide either side.
    const QPointF centre(0.5, 0.5);
    {
        QPainter painter(&surface_);
        painter.setRenderHint(QPainter::Antialiasing);
        // Erased pixels become transparent as far as the brush covers them.
        painter.setCompositionMode(erasing_ ? QPainter::CompositionMode_Source
                                            : QPainter::CompositionMode_SourceOver);
        painter.setPen(QPen(colour, 2.0 * radius_, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(p) + centre, QPointF(last_) + centre);
        painter.setCompositionMode(erasing_ ? QPainter::CompositionMode_DestinationOut
                                            : QPainter::CompositionMode_SourceOver);
        painter.drawImage(last_ - QPoint(radius_, radius_), Disc());
    }
    // Only what the stroke touched, with a pixel each side for the smoothing,
    // and at once: the ink belongs under the pointer, and the platform
    // already folds queued moves into one.
    const int reach = radius_ + 2;
    repaint(QRect(p, last_).normalized().adjusted(-reach, -reach, reach, reach));
    last_ = p;
}

const QImage& CSimpleCanvas::Disc() {
    if (disc_.isNull() || discRadius_ != radius_ || discPen_ != pen_) {
        // Centred on a pixel's centre like every stroke, so one drawing of
        // it serves every point.
        const int side = 2 * radius_ + 1;
        disc_ = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        disc_.fill(Qt::transparent);
        QPainter painter(&disc_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(pen_));
        painter.drawEllipse(QPointF(radius_ + 0.5, radius_ + 0.5), radius_, radius_);
        discRadius_ = radius_;
        discPen_ = pen_;
    }
    return disc_;
}

void CSimpleCanvas::resizeEvent(QResizeEvent*) {
    if (surface_.isNull()) {
        surface_ = BlankSurface(size());
    } else if (width() > surface_.width() || height() > surface_.height()) {
        QImage grown = BlankSurface(
            {SurfaceSide(surface_.width(), width()), SurfaceSide(surface_.height(), height())});
        QPainter(&grown).drawImage(0, 0, surface_);
        surface_ = std::move(grown);
    }
    update();
}

void CSimpleCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, background_);
    painter.drawImage(area.topLeft(), surface_, area);
}

}  // namespace vesk
