#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "notes/NoteData.h"
#include "notewnd/CNoteEdit.h"

class QWidget;

namespace vesk {

// What editing a note holds besides the kind's own editor: the copy of the
// record to go back to and the title edit in the title bar.
class NoteEditing {
public:
    bool IsEditing() const { return editing_; }
    // False when editing already; any earlier backup is dropped.
    bool Begin();
    // False when not editing.
    bool End();

    void SetBackup(std::unique_ptr<NoteData> backup) { backup_ = std::move(backup); }
    // A copy of the record as the kind's own record, unless the kind made
    // its own.
    void EnsureBackup(const NoteData& note);
    // The note takes the title typed and is touched (commit), or is put back
    // as it was; title edit and backup go.
    void Close(NoteData& note, bool commit);

    // One line across the title bar, in the note's title colours and the
    // title font, holding the title.
    void OpenTitleEdit(QWidget& note, const NoteData& record, const FontData& titleFont,
                       int titleBarHeight);
    void PlaceTitleEdit(int noteWidth, int titleBarHeight);
    void RestyleTitleEdit(const StyleData& style);

private:
    bool editing_ = false;
    std::unique_ptr<NoteData> backup_;
    QPointer<CNoteEdit> titleEdit_;
};

}  // namespace vesk
