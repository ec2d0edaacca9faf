#include "notebook/NoteFolderRows.h"

#include <algorithm>

#include "notes/NoteCollection.h"
#include "notewnd/NoteHost.h"

namespace vesk {

void NoteFolderRows::AddNoteRow(NoteId id) {
    const NoteWindow* note = collection_.Find(id);
    if (note == nullptr) {
        return;
    }
    const NotebookFolder folder = note->GetNoteData().GetState() == NoteData::kStateWastebasket
                                      ? NotebookFolder::Wastebasket
                                      : NotebookFolder::Desktop;
    Rows(folder).push_back(id);
    if (listener_ != nullptr) {
        listener_->RowAdded(folder, id);
    }
}

void NoteFolderRows::OnNoteMoved(NoteId id, std::int32_t from, std::int32_t to) {
    const bool fromDesktop = from == NotePlace::kShown || from == NotePlace::kHidden;
    if (!fromDesktop && from != NotePlace::kWastebasket) {
        return;
    }
    const NotebookFolder folder =
        fromDesktop ? NotebookFolder::Desktop : NotebookFolder::Wastebasket;
    const std::vector<NoteId>& rows = Rows(folder);
    const auto row = std::find(rows.begin(), rows.end(), id);
    if (row == rows.end()) {
        return;
    }
    const bool crossing = fromDesktop ? to == NotePlace::kWastebasket : to == NotePlace::kShown;
    if (crossing) {
        RemoveRow(folder, id);
        AddNoteRow(id);
    } else if (to == NotePlace::kArchived) {
        RemoveRow(folder, id);
        if (listener_ != nullptr) {
            listener_->NoteArchived(id);
        }
    } else if (fromDesktop && listener_ != nullptr) {
        listener_->RowChanged(static_cast<std::size_t>(row - rows.begin()), id);
    }
}

void NoteFolderRows::ClearNoteLists() {
    Clear(NotebookFolder::Desktop);
    Clear(NotebookFolder::Wastebasket);
}

void NoteFolderRows::ClearWastebasketList() { Clear(NotebookFolder::Wastebasket); }

void NoteFolderRows::RemoveWastebasketRow(NoteId id) { RemoveRow(NotebookFolder::Wastebasket, id); }

void NoteFolderRows::RemoveRow(NotebookFolder folder, NoteId id) {
    std::vector<NoteId>& rows = Rows(folder);
    const auto row = std::find(rows.begin(), rows.end(), id);
    if (row == rows.end()) {
        return;
    }
    const auto index = static_cast<std::size_t>(row - rows.begin());
    rows.erase(row);
    if (listener_ != nullptr) {
        listener_->RowRemoved(folder, index, id);
    }
}

void NoteFolderRows::Clear(NotebookFolder folder) {
    Rows(folder).clear();
    if (listener_ != nullptr) {
        listener_->RowsCleared(folder);
    }
}

}  // namespace vesk
