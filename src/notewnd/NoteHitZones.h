#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

namespace vesk {

// Which edge or corner of a note the mouse grabs; the numbers are the
// sizing modes of the original window.
enum class SizingMode {
    None = 0,
    Left = 1,
    BottomLeft = 2,
    Bottom = 3,
    BottomRight = 4,
    Right = 5,
    TopRight = 6,
    TopLeft = 7,
    Top = 8,
};

// Sizes a note can take by dragging its edges.
inline constexpr int kMinNoteSide = 50;
inline constexpr int kMaxNoteSide = 1500;

// The zone under (x, y) in client coordinates of a w × h note. The bottom
// corners are generous (20 pixels) so that they are easy to grab; the rest
// of the border is 5 pixels wide.
SizingMode HitZone(int x, int y, int w, int h);

// The cursor that shows the zone; the arrow inside.
Qt::CursorShape ZoneCursor(SizingMode mode);

// The window rectangle after the mouse moved to (x, y) in client coordinates
// while dragging the zone, the last position having been anchor. Top and left
// follow the pointer, right and bottom move with it; the size then stays
// within the limits and is never lower than the title bar plus 10.
QRect SizedRect(const QRect& window, SizingMode mode, QPoint mouse, QPoint anchor,
                int titleBarHeight);

}  // namespace vesk
