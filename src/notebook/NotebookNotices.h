#pragma once

#include <memory>

#include "notebook/NoteFolderRows.h"
#include "notebook/NotebookServices.h"

namespace vesk {

class CNoteManagerFrm;

// The main frame's side of the Notebook: what it tells the Notebook as notes
// load, arrive, move and go, and the command that shows it. The window is
// made the first time it is shown, filled from the folders as they stand;
// until then only the order of the folders is kept, so a large collection
// pays nothing for rows that nobody looks at.
class NotebookNotices {
public:
    NotebookNotices(NoteCollection& collection, NoteArchive& archive, SettingsData& settings,
                    NoteHost& host);
    ~NotebookNotices();
    NotebookNotices(const NotebookNotices&) = delete;
    NotebookNotices& operator=(const NotebookNotices&) = delete;

    // The collection was loaded afresh: a row for each note, in id order.
    void NotesLoaded();
    // A note new to the collection (created or imported).
    void NoteAdded(NoteId id);
    void NoteMoved(NoteId id, std::int32_t from, std::int32_t to);
    // Before the collection empties the wastebasket.
    void WastebasketEmptying();

    // Shows the Notebook, making it first if need be, and brings it forward.
    void Show();
    // None until first shown.
    CNoteManagerFrm* Window() const { return window_.get(); }

private:
    NoteFolderRows rows_;
    NotebookServices services_;
    std::unique_ptr<CNoteManagerFrm> window_;
};

}  // namespace vesk
