#pragma once

#include <memory>

class QWidget;

namespace vesk {

class CQuickActionBox;
class QuickActionOwner;

// A note's side of its quick action box: makes the box with its Crumple and
// Shade buttons, keeps it beside the note's right edge, and swaps Shade for
// UnShade as the note rolls up and down.
class NoteQuickActions {
public:
    NoteQuickActions(QWidget& note, QuickActionOwner& owner);
    ~NoteQuickActions();
    NoteQuickActions(const NoteQuickActions&) = delete;
    NoteQuickActions& operator=(const NoteQuickActions&) = delete;

    CQuickActionBox& GetBox() { return *box_; }

    // Beside the note, 2 pixels off its right edge (past its shadow), or
    // hidden while the box has nothing to show.
    void Place();
    // As the note becomes active: placed, and in view when the buttons or
    // the scroll bar are on.
    void Show();
    // As the note loses the activation, is hidden, edited or crumpled.
    void Hide();
    // Shaded, the second slot holds UnShade and the scroll bar goes; back
    // down, Shade returns and the scroll bar with it when the content does
    // not fit.
    void SetShaded(bool shaded, bool contentOverflows);
    void ShowScrollBar(bool show);
    // After "showQAButtons" or "noteShadow" changed.
    void ApplySettings();

private:
    QWidget& note_;
    QuickActionOwner& owner_;
    // A child of the note's window, deleted here first so that the window
    // never deletes it a second time.
    std::unique_ptr<CQuickActionBox> box_;
};

}  // namespace vesk
