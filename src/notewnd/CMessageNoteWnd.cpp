#include "notewnd/CMessageNoteWnd.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "dialogs/editoptions/EditSheets.h"
#include "notes/NoteCommands.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/NoteHost.h"
#include "notewnd/TextDrawing.h"

namespace vesk {

namespace {

constexpr int kTextLimit = 65536;

}  // namespace

CMessageNoteWnd::CMessageNoteWnd(NoteId id, std::unique_ptr<MessageNoteData> record, NoteHost& host)
    : CTextNoteWnd(id, RecordOrNew(std::move(record)), host) {}

CMessageNoteWnd::~CMessageNoteWnd() = default;

void CMessageNoteWnd::CreateNoteWindow() {
    RebuildLayout();
    CVeskNoteWnd::CreateNoteWindow();
}

bool CMessageNoteWnd::OnCommand(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kAlignmentChanged:
            if (textEdit_) {
                // The typed text, line breaks as typed, not yet committed.
                OpenTextEdit(textEdit_->GetText());
            }
            break;
        default:
            return CTextNoteWnd::OnCommand(command);
    }
    CVeskNoteWnd::OnCommand(command);
    update();
    return true;
}

std::u16string CMessageNoteWnd::CopiedText() const { return Message().GetText(); }

void CMessageNoteWnd::RefontEditor() {
    if (textEdit_) {
        textEdit_->SetNoteFont(GetEffectiveFont());
        textEdit_->update();
    }
}

void CMessageNoteWnd::BeginEdit() {
    auto backup = std::make_unique<MessageNoteData>();
    backup->CopyFrom(Message());
    SetBackup(std::move(backup));
    SetEditSheet(new CMsgEditPropertySheet(*this, Host()));
    CVeskNoteWnd::BeginEdit();
    OpenTextEdit(Message().GetTextForEdit());
}

void CMessageNoteWnd::EndEdit(bool commit) {
    if (commit && textEdit_) {
        Message().SetText(textEdit_->GetText());
        Message().RemoveCarriageReturns();
    }
    delete textEdit_;
    CVeskNoteWnd::EndEdit(commit);
    // Cancelling puts back a text that Clear Contents may have taken meanwhile.
    RebuildLayout();
    update();
}

void CMessageNoteWnd::PaintNote(QPainter& painter) {
    if (!PaintNoteAroundText(painter)) {
        return;
    }
    if (!IsEditing()) {
        if (Message().GetText().empty()) {
            // Nothing is left to scroll to once the text is gone.
            TextEndsAt(std::nullopt);
        } else {
            PaintText(painter);
        }
    }
    PaintContentScrollHints(painter);
}

void CMessageNoteWnd::resizeEvent(QResizeEvent* event) {
    CVeskNoteWnd::resizeEvent(event);
    if (textEdit_) {
        textEdit_->setGeometry(GetContentRect(true));
    }
}

void CMessageNoteWnd::RebuildLayout() {
    layoutFont_ = GetEffectiveFont();
    measurer_.emplace(GetEffectiveFont());
    layout_.clear();
    ProcessLinkText(Message().GetText(), layout_, *measurer_);
}

void CMessageNoteWnd::PaintText(QPainter& painter) {
    if (!measurer_ || !(GetEffectiveFont() == layoutFont_)) {
        RebuildLayout();
    }
    const QRect content = GetContentRect(false);
    BeginTextIn(painter, content);
    const int bottom = DrawLayout(painter, *measurer_, Message().GetStyle().textcolor, layout_,
                                  content.adjusted(0, -GetScrollPos(), 0, 0), IsCentred(), Links());
    painter.restore();
    TextEndsAt(bottom);
}

bool CMessageNoteWnd::PrintPage(QPainter& painter, int page) {
    CVeskNoteWnd::PrintPage(painter, page);
    return !IsEditing() && !Message().GetText().empty() && PrintText(painter, page);
}

bool CMessageNoteWnd::PrintText(QPainter& painter, int page) {
    // Measured for the printer, in case its resolution differs.
    const QtTextMeasurer printerFont(GetEffectiveFont(), painter.device());
    const int lineHeight = std::max(1, printerFont.LineHeight());
    // Whole lines only, so that none is cut between two pages; at least one
    // on each page, so that the text always comes to an end.
    QRect box = PrintedTextArea();
    const int lines = std::max(1, box.height() / lineHeight);
    box.setHeight(lines * lineHeight);
    if (page == 1) {
        printedLines_ = 0;
    }
    TextLayout layout;
    ProcessLinkText(Message().GetText(), layout, printerFont);
    // Links on paper cannot be clicked.
    std::vector<LinkRecord> printedLinks;
    BeginTextIn(painter, box);
    const int bottom =
        DrawLayout(painter, printerFont, RGB(0, 0, 0), layout,
                   box.translated(0, -printedLines_ * lineHeight), IsCentred(), printedLinks);
    painter.restore();
    printedLines_ += lines;
    return bottom > box.bottom() + 1;
}

void CMessageNoteWnd::OpenTextEdit(const std::u16string& text) {
    delete textEdit_;
    const StyleData& style = Message().GetStyle();
    auto* edit = new CNoteEdit(CNoteEdit::Mode::MultiLine, IsCentred(), this);
    edit->setGeometry(GetContentRect(true));
    edit->SetTextColor(style.textcolor);
    edit->SetBackgroundColor(style.bgcolor);
    edit->SetNoteFont(GetEffectiveFont());
    edit->SetTextLimit(kTextLimit);
    edit->SetText(text);
    edit->show();
    // The text is what a new note is opened for.
    edit->setFocus();
    textEdit_ = edit;
}

void CMessageNoteWnd::ClearContents() {
    Message().SetText({});
    RebuildLayout();
    if (textEdit_) {
        textEdit_->SetText({});
    }
    // A change to the record must reach the notes file.
    Host().MarkChanged();
    update();
}

void CMessageNoteWnd::RestyleEditor() {
    if (!textEdit_) {
        return;
    }
    textEdit_->SetTextColor(Message().GetStyle().textcolor);
    textEdit_->SetBackgroundColor(Message().GetStyle().bgcolor);
    textEdit_->update();
}

}  // namespace vesk
