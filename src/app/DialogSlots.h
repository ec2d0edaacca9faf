#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>

namespace vesk {

// The main frame's modal dialogs that may be open at most once each.
enum class DialogSlot : std::size_t {
    Settings,
    ImportNote,
    Theme,
    BackupManager,
    NewNoteChooser,
    About,
};

// Keeps a second copy of a modal dialog from opening, and lets the close
// cancel whatever is open before the program saves and ends.
class DialogSlots {
public:
    static constexpr std::size_t kCount = 6;

    // When the slot's dialog is open, raises it and returns true.
    bool Raise(DialogSlot slot);
    // Runs the body (which shows the dialog modally) with the slot taken.
    // dialog may be null for a chooser that the prompts make themselves; the
    // application's modal window then stands for it. False, without running
    // the body, when the slot was taken: the open dialog is raised instead.
    bool Run(DialogSlot slot, QWidget* dialog, const std::function<void()>& body);
    bool AnyOpen() const;
    // Cancels every open dialog and empties the slots.
    void CancelAll();

private:
    struct Entry {
        bool open = false;
        QPointer<QWidget> dialog;
    };

    std::array<Entry, kCount> entries_{};
};

// Ends a modal window as its Cancel or close button would.
void CancelModalWindow(QWidget& window);

}  // namespace vesk
