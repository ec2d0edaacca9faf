#include "app/DialogSlots.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace vesk {
namespace {

QWidget* Shown(const QPointer<QWidget>& dialog) {
    return dialog ? dialog.data() : QApplication::activeModalWidget();
}

}  // namespace

void CancelModalWindow(QWidget& window) {
    // A message box answers a close with its escape button; other dialogs
    // are rejected.
    auto* dialog = qobject_cast<QDialog*>(&window);
    if (dialog && !qobject_cast<QMessageBox*>(dialog)) {
        dialog->reject();
    } else {
        window.close();
    }
}

bool DialogSlots::Raise(DialogSlot slot) {
    const Entry& entry = entries_[static_cast<std::size_t>(slot)];
    if (!entry.open) return false;
    if (QWidget* shown = Shown(entry.dialog)) {
        // Minimized, the dialog would stay out of reach on a desktop
        // without a task bar.
        shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
        shown->raise();
        shown->activateWindow();
    }
    return true;
}

bool DialogSlots::Run(DialogSlot slot, QWidget* dialog, const std::function<void()>& body) {
    if (Raise(slot)) return false;
    Entry& entry = entries_[static_cast<std::size_t>(slot)];
    entry.open = true;
    entry.dialog = dialog;
    body();
    entry = Entry{};
    return true;
}

bool DialogSlots::AnyOpen() const {
    for (const Entry& entry : entries_) {
        if (entry.open) return true;
    }
    return false;
}

void DialogSlots::CancelAll() {
    for (Entry& entry : entries_) {
        if (!entry.open) continue;
        if (QWidget* shown = Shown(entry.dialog)) CancelModalWindow(*shown);
        entry = Entry{};
    }
}

}  // namespace vesk
