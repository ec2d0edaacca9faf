#include "notewnd/NoteFollowers.h"

#include <QResizeEvent>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

void NoteFollowers::Moved() {
    window_.quickActions_.Place();
    // A shake or a crumple moves the window but not the note.
    if (!window_.isVisible() || window_.preview_ || window_.ringing_.IsShaking() ||
        window_.IsCrumpling()) {
        return;
    }
    window_.placement_.RecordMove();
    window_.editing_.PlaceSheet(window_);
}

void NoteFollowers::Resized(const QResizeEvent& event) {
    window_.ApplyShape();
    window_.quickActions_.Place();
    window_.editing_.PlaceTitleEdit(window_.width(), CVeskNoteWnd::GetTitleBarHeight());
    // A shaded window is as high as its title bar; the record keeps the
    // height to unshade to.
    if (!window_.isVisible() || window_.note_->IsShaded() || window_.IsCrumpling()) {
        return;
    }
    if (!window_.preview_) {
        window_.placement_.RecordResize();
    }
    window_.editing_.PlaceSheet(window_);
    window_.scrolling_.Resized(event.oldSize().height(), window_.height(),
                               CVeskNoteWnd::GetTitleBarHeight(),
                               window_.GetContentRect(false).height());
}

}  // namespace vesk
