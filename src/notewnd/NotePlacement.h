#pragma once

#include "notes/NoteWindow.h"

class QWidget;

namespace vesk {

class NoteData;
class NoteHost;
class NoteQuickActions;

// The commands that change how a note stands on the desktop: rolled up or
// down, hidden or shown, on top or not, with or without its title bar. Each
// writes the record, moves the window and its quick action box, and tells
// the host.
class NotePlacement {
public:
    NotePlacement(NoteId id, QWidget& window, NoteData& note, NoteHost& host,
                  NoteQuickActions& quickActions)
        : id_(id), window_(window), note_(note), host_(host), quickActions_(quickActions) {}

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

private:
    NoteId id_;
    QWidget& window_;
    NoteData& note_;
    NoteHost& host_;
    NoteQuickActions& quickActions_;
};

}  // namespace vesk
