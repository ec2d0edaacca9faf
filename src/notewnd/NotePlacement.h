#pragma once

#include "notes/NoteWindow.h"
#include "notes/Rect.h"

class QWidget;

namespace vesk {

class NoteData;
class NoteHost;
class NoteQuickActions;

// How a note stands on the desktop. The commands roll it up or down, hide or
// show it, keep it on top or not, with or without its title bar: each writes
// the record, moves the window and its quick action box, and tells the host.
// Moved or sized by the user, the window's place goes into the record.
class NotePlacement {
public:
    NotePlacement(NoteId id, QWidget& window, NoteData& note, NoteHost& host,
                  NoteQuickActions& quickActions)
        : id_(id), window_(window), note_(note), host_(host), quickActions_(quickActions) {}

    // Where the record puts it, kept on the screens (a place that had to
    // change is marked changed) and rolled up when shaded. The shape is the
    // caller's, before ComeUp.
    void TakeRecordedPlace(int titleBarHeight, bool shadow);
    // Shows the window when the record says it is shown.
    void ComeUp();
    // In front of the others, shown.
    void BringToAttention();
    // As high as the title bar (and its shadow); the record keeps the full
    // height.
    void Shade(int titleBarHeight, bool shadow);
    // Back to the record's place and size; the box gets its Shade button
    // back, and the caller decides on the scroll bar.
    void Unshade();
    // As the collection asks: no command of the user's, so nothing is
    // marked changed; the Notebook hears when a note leaves the wastebasket.
    void SetVisible(bool show);
    void Hide();
    void Show();
    // Out of sight, its record in the wastebasket.
    void MoveToWastebasket();
    void ToggleStayOnTop();
    void ToggleTitleBar();
    // The record takes the window's position, keeping its own size.
    void RecordMove();
    // The record takes the window's size, keeping its own position.
    void RecordResize();

private:
    // Marked changed only when the record differs.
    void Record(const Rect& rect);

    NoteId id_;
    QWidget& window_;
    NoteData& note_;
    NoteHost& host_;
    NoteQuickActions& quickActions_;
    // Shown by ComeUp a moment ago, so still in front of the others.
    bool cameUpInFront_ = false;
};

}  // namespace vesk
