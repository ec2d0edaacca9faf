#pragma once

#include <QPointer>
#include <cstddef>
#include <memory>
#include <vector>

#include "notes/ChecklistNoteData.h"
#include "notewnd/CTextNoteWnd.h"
#include "notewnd/ChecklistLayout.h"
#include "notewnd/ChecklistPainting.h"

namespace vesk {

class CCheckListEdit;

// The window of a checklist note. Outside editing it draws each item as a
// box followed by its wrapped text, an important item (open, ending in "!")
// with an arrow and in bold; a click on a box ticks or clears its item at
// once. While editing, an item editor lies over the content area and Done
// Editing takes its items.
class CChecklistNoteWnd : public CTextNoteWnd {
    Q_OBJECT

public:
    // Without a record the note starts with no items.
    CChecklistNoteWnd(NoteId id, std::unique_ptr<ChecklistNoteData> record, NoteHost& host);
    ~CChecklistNoteWnd() override;

    void CreateNoteWindow() override;
    bool OnCommand(std::uint32_t command) override;

    // The edit options' actions on ticked items. They work in the open item
    // editor, so the record takes them at Done Editing; outside editing they
    // do nothing.
    void DeleteChecked();
    void MoveCheckedToTop();
    void MoveCheckedToBottom();

protected:
    void BeginEdit() override;
    void EndEdit(bool commit) override;
    void PaintNote(QPainter& painter) override;
    // The items go on from page to page, none cut in two.
    bool PrintPage(QPainter& painter, int page) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    // The items as the last paint drew them; none while shaded or edited.
    const std::vector<ChecklistRow>& Rows() const { return rows_; }

private:
    ChecklistNoteData& Checklist() { return static_cast<ChecklistNoteData&>(GetNoteData()); }
    const ChecklistNoteData& Checklist() const {
        return static_cast<const ChecklistNoteData&>(GetNoteData());
    }

    void RebuildLayout();
    void PaintItems(QPainter& painter);
    // True when lines are left for another page.
    bool PrintItems(QPainter& painter, int page);
    void ToggleBoxAt(QPoint at);
    // The editor over the content area, replacing any open one.
    void OpenItemEditor();
    void CloseItemEditor();
    // The item editor's operations (commands 607 to 616).
    bool EditItems(std::uint32_t command);
    void TakeKeyboardForLabel();
    std::u16string CopiedText() const override;
    void ClearContents() override;
    void RestyleEditor() override;
    void RefontEditor() override;

    ChecklistLayout layout_;
    std::vector<ChecklistRow> rows_;
    QPointer<CCheckListEdit> itemEditor_;
    // Items that went onto the pages printed so far.
    std::size_t printedItems_ = 0;
};

}  // namespace vesk
