#pragma once

#include <QDialog>
#include <QPointer>

namespace vesk {

// Runs a dialog of the program modally. It waits for its answer in an event
// loop of its own but holds up only the window it belongs to: the notes, the
// tray icon and the hot keys go on answering (so Exit can still cancel it).
// It stands above every note, those that stay on top included, also when one
// of them comes forward meanwhile.
int RunModal(QDialog& dialog);

// A dialog made on the heap for one run: a window that goes while its dialog
// waits (a note emptied from the wastebasket, say) takes the dialog with it,
// which then counts as cancelled.
template <typename Dialog>
class MadeDialog {
public:
    explicit MadeDialog(Dialog* dialog) : dialog_(dialog) {}
    ~MadeDialog() { delete dialog_.data(); }
    MadeDialog(const MadeDialog&) = delete;
    MadeDialog& operator=(const MadeDialog&) = delete;

    Dialog* operator->() const { return dialog_.data(); }
    Dialog& operator*() const { return *dialog_; }
    // The dialog's result; Rejected when it went meanwhile.
    int Run() { return RunModal(*dialog_); }
    bool Gone() const { return dialog_.isNull(); }

private:
    QPointer<Dialog> dialog_;
};

}  // namespace vesk
