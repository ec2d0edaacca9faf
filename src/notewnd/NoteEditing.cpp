#include "notewnd/NoteEditing.h"

#include <QWidget>

#include "notes/NoteFactory.h"

namespace vesk {

namespace {
constexpr int kTitleEditInset = 5;
constexpr int kTitleLimit = 256;
}  // namespace

bool NoteEditing::Begin() {
    if (editing_) {
        return false;
    }
    editing_ = true;
    backup_.reset();
    return true;
}

bool NoteEditing::End() {
    if (!editing_) {
        return false;
    }
    editing_ = false;
    return true;
}

void NoteEditing::EnsureBackup(const NoteData& note) {
    if (backup_) {
        return;
    }
    backup_ = CreateNoteDataByKind(note.GetKind());
    if (backup_) {
        backup_->CopyFrom(note);
    }
}

void NoteEditing::Close(NoteData& note, bool commit) {
    if (commit) {
        if (titleEdit_) {
            note.SetTitle(titleEdit_->GetText());
        }
        note.Touch();
    } else if (backup_) {
        note.CopyFrom(*backup_);
    }
    delete titleEdit_;
    backup_.reset();
}

void NoteEditing::OpenTitleEdit(QWidget& note, const NoteData& record, const FontData& titleFont,
                                int titleBarHeight) {
    delete titleEdit_;
    titleEdit_ = new CNoteEdit(CNoteEdit::Mode::SingleLine, true, &note);
    PlaceTitleEdit(note.width(), titleBarHeight);
    RestyleTitleEdit(record.GetStyle());
    titleEdit_->SetNoteFont(titleFont);
    titleEdit_->SetTextLimit(kTitleLimit);
    titleEdit_->SetText(record.GetTitle());
    titleEdit_->show();
}

void NoteEditing::PlaceTitleEdit(int noteWidth, int titleBarHeight) {
    if (titleEdit_) {
        titleEdit_->setGeometry(kTitleEditInset, kTitleEditInset, noteWidth - 2 * kTitleEditInset,
                                titleBarHeight - 2 * kTitleEditInset);
    }
}

void NoteEditing::RestyleTitleEdit(const StyleData& style) {
    if (titleEdit_) {
        titleEdit_->SetBackgroundColor(style.bgcolor);
        titleEdit_->SetTextColor(style.titlecolor);
        titleEdit_->update();
    }
}

}  // namespace vesk
