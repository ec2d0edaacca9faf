#include "notewnd/NoteExport.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <filesystem>

#include "dialogs/UserPrompts.h"
#include "notes/NoteData.h"

namespace vesk {

void SaveNoteAs(QWidget* owner, const NoteData& note) {
    QString name = UserPrompts::Current().GetSaveFileName(
        owner, QStringLiteral("Save As"), QString(),
        QStringLiteral("Vesk Notes (*.vesknote)|*.vesknote|All Files (*.*)|*.*||"));
    // Empty too when the note went while the dialog was open.
    if (name.isEmpty()) {
        return;
    }
    if (QFileInfo(name).suffix().isEmpty()) {
        name += QStringLiteral(".vesknote");
    }
    // The note itself is safe in the collection; a failed export is not
    // reported.
    note.SaveToFile(std::filesystem::path(name.toStdU16String()));
}

void CopyTextToClipboard(const std::u16string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromStdU16String(text));
    }
}

}  // namespace vesk
