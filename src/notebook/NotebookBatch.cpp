#include "notebook/NotebookBatch.h"

#include "dialogs/UserPrompts.h"
#include "notebook/NoteFolderRows.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCollection.h"
#include "notes/NoteCommands.h"
#include "notewnd/NoteHost.h"

namespace vesk {

namespace {

constexpr std::uint32_t kDesktopCommands[NotebookBatch::kCount] = {
    NoteCommand::kCrumple, NoteCommand::kArchive, NoteCommand::kHide, NoteCommand::kShow};

void SendToEach(NoteCollection& collection, const std::vector<NoteId>& notes,
                std::uint32_t command) {
    for (const NoteId id : notes) {
        // Archiving destroys the window; nothing of it is touched after.
        if (NoteWindow* note = collection.Find(id)) {
            note->SendCommand(command);
        }
    }
}

}  // namespace

bool NotebookBatch::RunOnNotes(NotebookFolder folder, const std::vector<NoteId>& notes,
                               int action) {
    if (action < 0 || action >= kCount) {
        return false;
    }
    if (folder == NotebookFolder::Desktop) {
        SendToEach(services_.collection, notes, kDesktopCommands[action]);
        return true;
    }
    if (action == 1) {
        SendToEach(services_.collection, notes, NoteCommand::kShow);
        return true;
    }
    if (action != 0 || !ConfirmDelete()) {
        return false;
    }
    for (const NoteId id : notes) {
        services_.rows.RemoveWastebasketRow(id);
        services_.collection.Remove(id);
    }
    services_.host.MarkChanged();
    return true;
}

bool NotebookBatch::RunOnArchive(const std::vector<ArchiveRow>& rows, int action,
                                 const std::function<void(int)>& removeRow) {
    if (action == 0) {
        if (!ConfirmDelete()) {
            return false;
        }
        for (const ArchiveRow& row : rows) {
            services_.archive.Delete(*row.entry);
            removeRow(row.index);
        }
        return true;
    }
    if (action != 1) {
        return false;
    }
    for (const ArchiveRow& row : rows) {
        if (!services_.collection.ImportNoteFile(row.entry->path)) {
            continue;
        }
        // The restored note has the newest id.
        services_.rows.AddNoteRow(services_.collection.GetNotes().rbegin()->first);
        services_.archive.Delete(*row.entry);
        removeRow(row.index);
    }
    services_.host.MarkChanged();
    return true;
}

QString NotebookBatch::Summary(NotebookFolder folder, int action, int count) {
    static const char* const kDesktop[kCount] = {" note(s) crumpled", " note(s) archived",
                                                 " note(s) made invisible",
                                                 " note(s) made visible"};
    static const char* const kWastebasket[2] = {" note(s) deleted from wastebasket",
                                                " note(s) restored from wastebasket"};
    static const char* const kArchive[2] = {" note(s) deleted from archive",
                                            " note(s) restored from archive"};
    const char* what = nullptr;
    if (folder == NotebookFolder::Desktop && action >= 0 && action < kCount) {
        what = kDesktop[action];
    } else if (action == 0 || action == 1) {
        what = folder == NotebookFolder::Archive ? kArchive[action] : kWastebasket[action];
    }
    return what == nullptr ? QString() : QString::number(count) + QLatin1String(what);
}

bool NotebookBatch::ConfirmDelete() const {
    return UserPrompts::Current().ShowMessage(
               &parent_, QStringLiteral("Are you sure you want to permanently delete these notes?"),
               QStringLiteral("Last Chance"), UserPrompts::Buttons::YesNo,
               UserPrompts::Icon::Question) == UserPrompts::Answer::Yes;
}

}  // namespace vesk
