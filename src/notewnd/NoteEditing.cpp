#include "notewnd/NoteEditing.h"

#include <QWidget>

#include "dialogs/editoptions/CEditPropertySheet.h"
#include "notes/NoteFactory.h"

namespace vesk {

namespace {
constexpr int kTitleEditInset = 5;
constexpr int kTitleLimit = 256;
}  // namespace

NoteEditing::~NoteEditing() { delete sheet_; }

bool NoteEditing::Begin() {
    if (editing_) {
        return false;
    }
    editing_ = true;
    backup_.reset();
    delete sheet_;
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
    if (sheet_) {
        // Its own OK or Cancel may be what ends the edit.
        sheet_->hide();
        sheet_->deleteLater();
        sheet_.clear();
    }
}

void NoteEditing::SetSheet(CEditPropertySheet* sheet) {
    delete sheet_;
    sheet_ = sheet;
}

void NoteEditing::ShowSheet(QWidget& note) {
    if (!sheet_) {
        return;
    }
    sheet_->installEventFilter(&note);
    sheet_->PlaceBeside(note);
    sheet_->show();
}

void NoteEditing::PlaceSheet(const QWidget& note) {
    if (sheet_) {
        sheet_->PlaceBeside(note);
    }
}

const QObject* NoteEditing::Sheet() const { return sheet_.data(); }

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
