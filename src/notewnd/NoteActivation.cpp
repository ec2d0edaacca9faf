#include "notewnd/NoteActivation.h"

#include <QApplication>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

void NoteActivation::Changed() {
    // Only its own window makes the note active; turning to its quick action
    // box keeps it so. Some window systems activate the box as it shows: were
    // that the note's activation too, a note that has just lost the keyboard
    // would take it back through its box, show the box again, and two notes
    // would hand the activation to and fro without end.
    const bool active =
        QApplication::activeWindow() == &window_ || (active_ && HoldsActivation(window_));
    if (active == active_) {
        return;
    }
    active_ = active;
    if (!active) {
        // While edited, or while its box is in use, the note stays as it is.
        if (window_.opacity_.IsAlphaActive()) {
            window_.opacity_.ApplyRecordAlpha();
            window_.quickActions_.Hide();
            window_.UpdateScrollBar();
        }
        return;
    }
    if (window_.IsEditing() || !window_.IsShown()) {
        return;
    }
    window_.opacity_.ApplyCurrent();
    if (!window_.IsCrumpling()) {
        window_.quickActions_.Show();
    }
}

}  // namespace vesk
