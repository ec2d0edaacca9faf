#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "notebook/NoteRowText.h"
#include "notebook/NotebookServices.h"
#include "notes/NoteWindow.h"

class QWidget;

namespace vesk {

struct ArchiveEntry;

// The Notebook's four actions on the checked rows of a folder. The desktop's
// (Crumple, Archive, Hide, Show) and the wastebasket's Restore are the notes'
// own commands, and the lists follow the notes' notices; deleting for good
// and restoring from the archive act here. Rows come last row first, so a
// row removed never moves one still to be handled.
class NotebookBatch {
public:
    // The action buttons' number of each action.
    static constexpr int kCount = 4;

    NotebookBatch(NotebookServices& services, QWidget& parent)
        : services_(services), parent_(parent) {}

    // On desktop or wastebasket notes. False when the user would not delete.
    bool RunOnNotes(NotebookFolder folder, const std::vector<NoteId>& notes, int action);
    // A checked archive row: its index and its entry.
    struct ArchiveRow {
        int index;
        const ArchiveEntry* entry;
    };
    // On archived notes; removeRow takes the index of each row whose file is
    // gone. A note that cannot be restored keeps its row and its file.
    bool RunOnArchive(const std::vector<ArchiveRow>& rows, int action,
                      const std::function<void(int)>& removeRow);

    // What an action did to so many rows, as the status line tells it.
    static QString Summary(NotebookFolder folder, int action, int count);

private:
    bool ConfirmDelete() const;

    NotebookServices& services_;
    QWidget& parent_;
};

}  // namespace vesk
