#include "notewnd/ScrollHints.h"

#include <QColor>
#include <QPainter>

#include "notewnd/QtColors.h"

namespace vesk {

namespace {

constexpr int kRows = 4;
// The widest row starts this far left of the content's right edge.
constexpr int kInset = 9;

// Row k (0 the widest) spans from right - 9 + k to right - 2 - k.
void PaintRow(QPainter& painter, int right, int y, int k, const QColor& colour) {
    painter.fillRect(QRect(right - kInset + k, y, 2 * (kRows - k), 1), colour);
}

}  // namespace

void PaintScrollHints(QPainter& painter, const QRect& content, COLORREF colour, bool up,
                      bool down) {
    const QColor opaque = ToQColor(colour);
    const int right = content.x() + content.width();
    const int bottom = content.y() + content.height();
    for (int k = 0; k < kRows; ++k) {
        if (up) {
            PaintRow(painter, right, content.y() + kInset - k, k, opaque);
        }
        if (down) {
            PaintRow(painter, right, bottom - kInset + k, k, opaque);
        }
    }
}

}  // namespace vesk
