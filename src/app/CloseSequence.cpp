#include "app/CloseSequence.h"

#include <QApplication>
#include <QWidget>

#include "app/DialogSlots.h"
#include "app/NotesSaver.h"

namespace vesk {

void CloseSequence::StartUpDone() {
    started_ = true;
    if (closeRequested_) Close();
}

void CloseSequence::Close() {
    if (closed_) return;
    if (!started_) {
        // Mid start-up: let the start-up finish, then close.
        closeRequested_ = true;
        CancelOpenDialogs();
        return;
    }
    if (ending_) {
        // The close waits for the user's answer; a session that ends cannot
        // wait for it.
        if (parts_.saver.IsSessionEnding()) CancelOpenDialogs();
        return;
    }
    if (!dialogsCancelled_ && CancelOpenDialogs()) {
        // The dialogs end when their event loops next turn; the close comes
        // back after them.
        dialogsCancelled_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Close(); }, Qt::QueuedConnection);
        return;
    }
    SaveAndEnd();
}

void CloseSequence::EndSession() {
    parts_.saver.SetSessionEnding();
    Close();
}

void CloseSequence::CloseNow() {
    if (closed_) return;
    parts_.saver.SetSessionEnding();
    CancelOpenDialogs();
    SaveAndEnd();
}

bool CloseSequence::CancelOpenDialogs() {
    bool any = parts_.dialogs.AnyOpen();
    parts_.dialogs.CancelAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal()) {
            CancelModalWindow(*window);
            any = true;
        }
    }
    return any;
}

void CloseSequence::SaveAndEnd() {
    if (ending_) return;
    ending_ = true;
    const bool saved = parts_.saveNotes();
    ending_ = false;
    if (!saved) {
        // A later close cancels the dialogs open then.
        dialogsCancelled_ = false;
        parts_.keepRunning();
        return;
    }
    closed_ = true;
    parts_.shutDown();
}

}  // namespace vesk
