#pragma once

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace vesk {

class CVeskNoteWnd;

// What the mouse, the wheel and the arrow keys do on a note window: the
// context menu, raising, silencing a ringing alarm, opening links, dragging
// and sizing, double-click commands and scrolling.
class NoteInput {
public:
    explicit NoteInput(CVeskNoteWnd& window) : window_(window) {}

    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    void DoubleClick(const QMouseEvent& event);
    void Wheel(const QWheelEvent& event);
    // False for a key the note leaves to the window.
    bool Key(const QKeyEvent& event);

private:
    CVeskNoteWnd& window_;
};

}  // namespace vesk
