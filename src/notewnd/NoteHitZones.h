#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include "notes/NoteSize.h"

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

// The zone under (x, y) in client coordinates of a w × h note. The bottom
// corners are generous (20 pixels) so that they are easy to grab; the rest
// of the border is 5 pixels wide.
SizingMode HitZone(int x, int y, int w, int h);

// The cursor that shows the zone; the arrow inside.
Qt::CursorShape ZoneCursor(SizingMode mode);

// The window rectangle while dragging the zone of start, the pointer pressed
// at pressed and now at pointer (screen coordinates). Top and left go to the
// pointer, right and bottom move as far as it moved. The edges not dragged
// stay where they are: at a limit of the size the dragged ones stop, however
// far the pointer goes. The size stays within the limits and never lower
// than the title bar plus 10.
QRect SizedRect(const QRect& start, SizingMode mode, QPoint pressed, QPoint pointer,
                int titleBarHeight);

}  // namespace vesk
