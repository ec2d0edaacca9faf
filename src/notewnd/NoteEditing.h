#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "notes/NoteData.h"
#include "notewnd/CNoteEdit.h"

class QObject;
class QWidget;

namespace vesk {

class CEditPropertySheet;

// What editing a note holds besides the kind's own editor: the copy of the
// record to go back to, the title edit in the title bar and the edit options
// beside the note.
class NoteEditing {
public:
    NoteEditing() = default;
    NoteEditing(const NoteEditing&) = delete;
    NoteEditing& operator=(const NoteEditing&) = delete;
    // The edit options go before the note whose pages they reach into.
    ~NoteEditing();

    bool IsEditing() const { return editing_; }
    // False when editing already; any earlier backup and edit options are
    // dropped.
    bool Begin();
    // False when not editing.
    bool End();

    void SetBackup(std::unique_ptr<NoteData> backup) { backup_ = std::move(backup); }
    // A copy of the record as the kind's own record, unless the kind made
    // its own.
    void EnsureBackup(const NoteData& note);
    // The note takes the title typed and is touched (commit), or is put back
    // as it was; title edit, backup and edit options go.
    void Close(NoteData& note, bool commit);

    // The kind's edit options, shown beside the note by ShowSheet.
    void SetSheet(CEditPropertySheet* sheet);
    // Watched by the note, whose activation the edit options share.
    void ShowSheet(QWidget& note);
    // Beside the note again, after it moved or changed size.
    void PlaceSheet(const QWidget& note);
    const QObject* Sheet() const;

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
    QPointer<CEditPropertySheet> sheet_;
};

}  // namespace vesk
