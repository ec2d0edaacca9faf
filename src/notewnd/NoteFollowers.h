#pragma once

class QResizeEvent;

namespace vesk {

class CVeskNoteWnd;

// What follows a note window that moves or changes size: its quick action
// box, its edit options and title edit, its record's place and size, and
// the scroll position of its content.
class NoteFollowers {
public:
    explicit NoteFollowers(CVeskNoteWnd& window) : window_(window) {}

    void Moved();
    void Resized(const QResizeEvent& event);

private:
    CVeskNoteWnd& window_;
};

}  // namespace vesk
