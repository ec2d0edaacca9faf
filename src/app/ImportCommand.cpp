#include "app/ImportCommand.h"

#include "app/DialogSlots.h"
#include "app/PathText.h"
#include "dialogs/UserPrompts.h"
#include "notes/NoteCollection.h"

namespace vesk {
namespace {

const QString kNoteFileFilter =
    QStringLiteral("Vesk Notes (*.vesknote)|*.vesknote|All Files (*.*)|*.*||");

}  // namespace

void ImportCommand::Run() {
    QString file;
    const bool ran = dialogs_.Run(DialogSlot::ImportNote, nullptr, [&file] {
        file = UserPrompts::Current().GetOpenFileName(nullptr, QStringLiteral("Import Note"),
                                                      QString(), kNoteFileFilter);
    });
    if (!ran || file.isEmpty()) return;
    if (collection_.ImportNoteFile(ToPath(file))) {
        imported_();
        return;
    }
    UserPrompts::Current().ShowMessage(
        nullptr, QStringLiteral("Could not open note. It may be incompatible or corrupted."),
        QStringLiteral("Uh oh"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

}  // namespace vesk
