#pragma once

#include <QObject>
#include <functional>

namespace vesk {

class DialogSlots;
class NotesSaver;

// When and how the program ends. Open dialogs are cancelled first and the
// close comes back once they are gone; asked again meanwhile, it goes on. A
// close during the start-up waits for the start-up to finish. When the notes
// cannot be saved the user may keep the program running.
class CloseSequence : public QObject {
    Q_OBJECT

public:
    struct Parts {
        DialogSlots& dialogs;
        NotesSaver& saver;
        // Saves the notes, open edits included; false when the user chose to
        // keep the program running without them saved.
        std::function<bool()> saveNotes;
        // The notes stay unsaved and the program runs on.
        std::function<void()> keepRunning;
        // The notes are saved: lets go of everything and ends the program.
        std::function<void()> shutDown;
    };

    explicit CloseSequence(Parts parts) : parts_(std::move(parts)) {}

    // The start-up has finished; a close asked for meanwhile runs now.
    void StartUpDone();
    bool IsClosed() const { return closed_; }

    void Close();
    // Close when the session ends: no one is asked.
    void EndSession();
    // The same for an end that cannot wait: dialogs are cancelled and the
    // program ends at once.
    void CloseNow();

private:
    // Cancels every open modal window; false when there was none.
    bool CancelOpenDialogs();
    void SaveAndEnd();

    Parts parts_;
    bool started_ = false;
    bool closeRequested_ = false;
    bool dialogsCancelled_ = false;
    // Saving, perhaps waiting for the user's answer.
    bool ending_ = false;
    bool closed_ = false;
};

}  // namespace vesk
