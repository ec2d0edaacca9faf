#pragma once

#include <functional>
#include <memory>

class QWidget;

namespace vesk {

class CQuickActionBox;
class QuickActionOwner;

// A note's side of its quick action box: makes the box with its Crumple and
// Shade buttons, keeps it beside the note's right edge, and swaps Shade for
// UnShade as the note rolls up and down.
//
// The box is made when it is first to be seen. Most notes of a large
// collection are never activated, and a box (a window with two picture
// buttons and a scroll bar) would cost each of them as much as the note
// itself to make, to hold and to destroy.
class NoteQuickActions {
public:
    // Told once the box has been made, to connect it to the note.
    using BoxMade = std::function<void(CQuickActionBox&)>;

    NoteQuickActions(QWidget& note, QuickActionOwner& owner, BoxMade made = {});
    ~NoteQuickActions();
    NoteQuickActions(const NoteQuickActions&) = delete;
    NoteQuickActions& operator=(const NoteQuickActions&) = delete;

    // The box, made now if it was not yet.
    CQuickActionBox& GetBox();
    // The box if it has been made.
    const CQuickActionBox* FindBox() const { return box_.get(); }

    // Beside the note, 2 pixels off its right edge (past its shadow) or,
    // where that is off its screen, wherever the box can still be used;
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
    void AddShadeButton();
    bool ButtonsOn() const;
    bool ScrollBarShown() const;

    QWidget& note_;
    QuickActionOwner& owner_;
    BoxMade made_;
    // What the box shows, kept while there is none.
    bool shaded_ = false;
    bool scrollBar_ = false;
    // A child of the note's window, deleted here first so that the window
    // never deletes it a second time.
    std::unique_ptr<CQuickActionBox> box_;
};

}  // namespace vesk
