#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include "xml/TextForms.h"

namespace vesk {

// The surface a scribble is drawn on while it is edited: the left button
// draws round-jointed strokes in the pen colour, the right button erases to
// transparent. A stroke needs movement while the button is down; leaving the
// canvas ends it. The surface grows with the canvas and never shrinks, so
// making the note smaller and larger again keeps the drawing.
class CSimpleCanvas : public QWidget {
    Q_OBJECT

public:
    // The surface starts as the premultiplied image given or, without one,
    // blank at the canvas's first size.
    CSimpleCanvas(QImage surface, COLORREF background, COLORREF pen, int radius, QWidget* parent);

    // Every drawn pixel takes the new pen colour and keeps its coverage.
    void SetColors(COLORREF background, COLORREF pen);
    void SetBrushRadius(int radius) { radius_ = radius; }
    int GetBrushRadius() const { return radius_; }
    // A blank surface of the canvas's size.
    void ClearSurface();
    // Premultiplied; at least as large as the canvas has ever been.
    const QImage& GetSurface() const { return surface_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // From the last point to p, a line as wide as the brush and a disc on
    // the last point that rounds the joint.
    void Stroke(QPoint p);
    // The disc that rounds the joints, drawn once for the brush and pen; a
    // stamp costs far less than drawing a circle at every point.
    const QImage& Disc();
    void StopTracking();

    QImage surface_;
    QColor background_;
    COLORREF pen_;
    int radius_;
    // Watches for the pointer leaving while it is over the canvas.
    QBasicTimer tracking_;
    bool drawing_ = false;
    bool erasing_ = false;
    QPoint last_;
    QImage disc_;
    int discRadius_ = 0;
    COLORREF discPen_ = 0;
};

}  // namespace vesk
