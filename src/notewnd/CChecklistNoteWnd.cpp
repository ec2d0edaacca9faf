#include "notewnd/CChecklistNoteWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <optional>
#include <utility>

#include "dialogs/editoptions/EditSheets.h"
#include "notes/NoteCommands.h"
#include "notewnd/CCheckListEdit.h"
#include "notewnd/NoteHost.h"
#include "notewnd/TextDrawing.h"

namespace vesk {

namespace {

// A repaint after a tick starts this far above and left of the box.
constexpr int kTickRepaintMargin = 5;

}  // namespace

CChecklistNoteWnd::CChecklistNoteWnd(NoteId id, std::unique_ptr<ChecklistNoteData> record,
                                     NoteHost& host)
    : CTextNoteWnd(id, RecordOrNew(std::move(record)), host) {}

CChecklistNoteWnd::~CChecklistNoteWnd() = default;

void CChecklistNoteWnd::CreateNoteWindow() {
    RebuildLayout();
    CVeskNoteWnd::CreateNoteWindow();
}

bool CChecklistNoteWnd::OnCommand(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kNewItem:
        case NoteCommand::kDeleteItem:
        case NoteCommand::kMoveItemUp:
        case NoteCommand::kMoveItemDown:
        case NoteCommand::kEditItem:
            return EditItems(command);
        default:
            return CTextNoteWnd::OnCommand(command);
    }
}

std::u16string CChecklistNoteWnd::CopiedText() const { return Checklist().GetPlainText(); }

void CChecklistNoteWnd::RefontEditor() {
    if (itemEditor_) {
        itemEditor_->SetNoteFont(GetEffectiveFont());
        itemEditor_->update();
    }
}

void CChecklistNoteWnd::DeleteChecked() {
    if (itemEditor_) {
        itemEditor_->DeleteChecked();
    }
}

void CChecklistNoteWnd::MoveCheckedToTop() {
    if (itemEditor_) {
        itemEditor_->MoveCheckedToTop();
    }
}

void CChecklistNoteWnd::MoveCheckedToBottom() {
    if (itemEditor_) {
        itemEditor_->MoveCheckedToBottom();
    }
}

void CChecklistNoteWnd::BeginEdit() {
    SetEditSheet(new CChecklistSheet(*this, Host()));
    CVeskNoteWnd::BeginEdit();
    OpenItemEditor();
}

void CChecklistNoteWnd::EndEdit(bool commit) {
    if (commit && itemEditor_) {
        Checklist().ClearItems();
        itemEditor_->SaveItems(Checklist().GetItems());
    }
    CloseItemEditor();
    CVeskNoteWnd::EndEdit(commit);
    // Cancelling puts back the items from before the edit.
    RebuildLayout();
    update();
}

void CChecklistNoteWnd::PaintNote(QPainter& painter) {
    rows_.clear();
    if (!PaintNoteAroundText(painter)) {
        return;
    }
    if (!IsEditing()) {
        PaintItems(painter);
    }
    PaintContentScrollHints(painter);
}

void CChecklistNoteWnd::resizeEvent(QResizeEvent* event) {
    CVeskNoteWnd::resizeEvent(event);
    if (itemEditor_) {
        itemEditor_->setGeometry(GetContentRect(true));
    }
}

void CChecklistNoteWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        ToggleBoxAt(event->position().toPoint());
    }
    // The click also raises the note, opens links and starts dragging it.
    CVeskNoteWnd::mousePressEvent(event);
}

void CChecklistNoteWnd::RebuildLayout() {
    layout_.Build(Checklist().GetItems(), GetEffectiveFont());
}

void CChecklistNoteWnd::PaintItems(QPainter& painter) {
    const std::vector<ChecklistItem>& items = Checklist().GetItems();
    if (!layout_.IsBuiltFor(items.size(), GetEffectiveFont())) {
        RebuildLayout();
    }
    const QRect content = GetContentRect(false);
    BeginTextIn(painter, content);
    const int bottom = PaintChecklistItems(
        painter, {layout_, items, ChecklistInk::OnScreen(Checklist().GetStyle()), 0, items.size()},
        content.adjusted(0, -GetScrollPos(), 0, 0), rows_, Links());
    painter.restore();
    // Nothing is left to scroll to once the items are gone.
    TextEndsAt(items.empty() ? std::nullopt : std::optional(bottom));
}

bool CChecklistNoteWnd::PrintPage(QPainter& painter, int page) {
    CVeskNoteWnd::PrintPage(painter, page);
    return !IsEditing() && !Checklist().GetItems().empty() && PrintItems(painter, page);
}

bool CChecklistNoteWnd::PrintItems(QPainter& painter, int page) {
    const std::vector<ChecklistItem>& items = Checklist().GetItems();
    const QRect box = PrintedTextArea();
    if (page == 1) {
        printedItems_ = 0;
    }
    // Measured for the printer, in case its resolution differs.
    ChecklistLayout layout;
    layout.Build(items, GetEffectiveFont(), painter.device());
    ChecklistItemsPaint paint{layout, items, ChecklistInk::OnPaper(), printedItems_, items.size()};
    paint.end = ChecklistItemsThatFit(paint, box);
    // Boxes and links on paper cannot be clicked.
    std::vector<ChecklistRow> printedRows;
    std::vector<LinkRecord> printedLinks;
    BeginTextIn(painter, box);
    PaintChecklistItems(painter, paint, box, printedRows, printedLinks);
    painter.restore();
    printedItems_ = paint.end;
    return printedItems_ < items.size();
}

void CChecklistNoteWnd::ToggleBoxAt(QPoint at) {
    // The preview shows a copy of the note, and leaves it as it is.
    if (IsEditing() || Checklist().IsShaded() || IsPreview()) {
        return;
    }
    for (std::size_t i = 0; i < rows_.size() && rows_[i].box.top() <= at.y(); ++i) {
        const QRect& box = rows_[i].box;
        if (!box.contains(at)) {
            continue;
        }
        Checklist().ToggleItem(i);
        // A change to the record must reach the notes file.
        Host().MarkChanged();
        const int bottom = i + 1 < rows_.size() ? rows_[i + 1].box.top() : height();
        update(QRect(QPoint(box.left() - kTickRepaintMargin, box.top() - kTickRepaintMargin),
                     QPoint(width(), bottom)));
        return;
    }
}

void CChecklistNoteWnd::OpenItemEditor() {
    CloseItemEditor();
    const StyleData& style = Checklist().GetStyle();
    auto* editor = new CCheckListEdit(this);
    editor->setGeometry(GetContentRect(true));
    editor->SetNoteFont(GetEffectiveFont());
    editor->SetColours(style.textcolor, style.bgcolor);
    editor->LoadItems(Checklist().GetItems());
    editor->show();
    // The items are what a new note is opened for.
    editor->setFocus();
    itemEditor_ = editor;
}

void CChecklistNoteWnd::CloseItemEditor() {
    if (!itemEditor_) {
        return;
    }
    // Later: the key that ended the edit (Ctrl+Enter in a label) may still
    // be on its way through the editor.
    itemEditor_->hide();
    itemEditor_->deleteLater();
    itemEditor_ = nullptr;
}

bool CChecklistNoteWnd::EditItems(std::uint32_t command) {
    if (!itemEditor_) {
        return false;
    }
    switch (command) {
        case NoteCommand::kNewItem:
            itemEditor_->AppendItem(QStringLiteral("New item"));
            TakeKeyboardForLabel();
            break;
        case NoteCommand::kDeleteItem:
            itemEditor_->DeleteSelected();
            break;
        case NoteCommand::kMoveItemUp:
            itemEditor_->MoveSelected(-1);
            break;
        case NoteCommand::kMoveItemDown:
            itemEditor_->MoveSelected(1);
            break;
        default:
            itemEditor_->EditSelected();
            TakeKeyboardForLabel();
            break;
    }
    return true;
}

void CChecklistNoteWnd::TakeKeyboardForLabel() {
    // The command came from a button of the edit options, which hold the
    // keyboard; the label just opened is where the typing is meant to go.
    activateWindow();
}

void CChecklistNoteWnd::ClearContents() {
    Checklist().ClearItems();
    RebuildLayout();
    if (itemEditor_) {
        itemEditor_->clear();
    }
    // A change to the record must reach the notes file.
    Host().MarkChanged();
    update();
}

void CChecklistNoteWnd::RestyleEditor() {
    if (itemEditor_) {
        const StyleData& style = Checklist().GetStyle();
        itemEditor_->SetColours(style.textcolor, style.bgcolor);
        itemEditor_->update();
    }
}

}  // namespace vesk
