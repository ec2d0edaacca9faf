#pragma once

#include <QPoint>
#include <QRect>

#include "notewnd/NoteHitZones.h"

class QMouseEvent;
class QWidget;

namespace vesk {

// The left-button drags of a note window: an edge or corner sizes it, any
// other place moves it. Moving goes through the window manager where it
// offers a move of its own, by hand otherwise. A move starts only once the
// mouse has gone some way: the window manager's move holds the pointer, and
// would swallow the second click of a double-click.
class NoteDragging {
public:
    explicit NoteDragging(QWidget& window) : window_(window) {}

    bool IsSizing() const { return sizing_; }
    // The button went down; a shaded note only moves.
    void Begin(const QMouseEvent& event, bool shaded);
    // The mouse moved: sizes or moves while dragging, else shows the zone's
    // cursor.
    void Follow(const QMouseEvent& event, bool shaded, int titleBarHeight);
    void End();

private:
    QWidget& window_;
    bool sizing_ = false;
    SizingMode mode_ = SizingMode::None;
    QRect sizedFrom_;
    QPoint sizingPressed_;
    // Pressed outside the sizing zones, not yet moved far enough.
    bool pressed_ = false;
    QPoint pressedAt_;
    bool moving_ = false;
    QPoint moveOffset_;
};

}  // namespace vesk
