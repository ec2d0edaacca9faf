#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "notebook/NoteRowText.h"
#include "notes/NoteWindow.h"

namespace vesk {

class NoteCollection;

// Which notes the Notebook's Desktop and Wastebasket folders list, in the
// order their rows were added: a note goes to the end of a folder as it
// arrives there and keeps its place while it stays. Kept from the first load
// on, whether or not the Notebook window has been made yet, so that the
// folders read the same however late it opens.
class NoteFolderRows {
public:
    // The window that shows the rows, told of each change as it happens.
    class Listener {
    public:
        virtual void RowAdded(NotebookFolder folder, NoteId id) = 0;
        virtual void RowRemoved(NotebookFolder folder, std::size_t index, NoteId id) = 0;
        // The note changed in place: title, dates, alarm, shown or hidden.
        virtual void RowChanged(std::size_t index, NoteId id) = 0;
        virtual void RowsCleared(NotebookFolder folder) = 0;
        // The note has just gone into the archive (its window goes next).
        virtual void NoteArchived(NoteId id) = 0;

    protected:
        ~Listener() = default;
    };

    explicit NoteFolderRows(NoteCollection& collection) : collection_(collection) {}

    // None stops the telling.
    void SetListener(Listener* listener) { listener_ = listener; }
    const std::vector<NoteId>& Desktop() const { return desktop_; }
    const std::vector<NoteId>& Wastebasket() const { return wastebasket_; }

    // Appends the note to the wastebasket when its record is there, to the
    // desktop otherwise; nothing for a note the collection does not hold.
    void AddNoteRow(NoteId id);
    // Follows a note between places (NotePlace); from == to means that it
    // changed in place. A note without a row where it came from is ignored.
    void OnNoteMoved(NoteId id, std::int32_t from, std::int32_t to);
    // Before the collection is loaded again.
    void ClearNoteLists();
    // Before the collection empties the wastebasket.
    void ClearWastebasketList();
    // The note is about to be deleted for good.
    void RemoveWastebasketRow(NoteId id);

private:
    std::vector<NoteId>& Rows(NotebookFolder folder) {
        return folder == NotebookFolder::Wastebasket ? wastebasket_ : desktop_;
    }
    // Nothing when the folder has no row of the note.
    void RemoveRow(NotebookFolder folder, NoteId id);
    void Clear(NotebookFolder folder);

    NoteCollection& collection_;
    Listener* listener_ = nullptr;
    std::vector<NoteId> desktop_;
    std::vector<NoteId> wastebasket_;
};

}  // namespace vesk
