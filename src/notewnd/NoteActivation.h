#pragma once

namespace vesk {

class CVeskNoteWnd;

// Whether the note is the active one, and what follows when that changes:
// active, it shows its quick action box and the opacity the settings give
// active notes; inactive, it takes its record's opacity back and puts the
// box away, unless it is edited or its box is in use.
class NoteActivation {
public:
    explicit NoteActivation(CVeskNoteWnd& window) : window_(window) {}

    bool IsActive() const { return active_; }
    // The note's window, its box or its edit options gained or lost the
    // activation.
    void Changed();

private:
    CVeskNoteWnd& window_;
    bool active_ = false;
};

}  // namespace vesk
