#include "notebook/NotebookNotices.h"

#include "notebook/CNoteManagerFrm.h"
#include "notes/NoteCollection.h"

namespace vesk {

NotebookNotices::NotebookNotices(NoteCollection& collection, NoteArchive& archive,
                                 SettingsData& settings, NoteHost& host)
    : rows_(collection), services_{collection, archive, rows_, settings, host} {}

NotebookNotices::~NotebookNotices() = default;

void NotebookNotices::NotesLoaded() {
    rows_.ClearNoteLists();
    for (const auto& entry : services_.collection.GetNotes()) {
        rows_.AddNoteRow(entry.first);
    }
}

void NotebookNotices::NoteAdded(NoteId id) { rows_.AddNoteRow(id); }

void NotebookNotices::NoteMoved(NoteId id, std::int32_t from, std::int32_t to) {
    rows_.OnNoteMoved(id, from, to);
}

void NotebookNotices::WastebasketEmptying() { rows_.ClearWastebasketList(); }

void NotebookNotices::Show() {
    if (!window_) {
        window_ = std::make_unique<CNoteManagerFrm>(services_);
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace vesk
