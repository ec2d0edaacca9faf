#pragma once

#include <QString>
#include <QTreeWidget>
#include <vector>

#include "notes/ChecklistNoteData.h"
#include "settings/FontData.h"
#include "xml/TextForms.h"

class QKeyEvent;

namespace vesk {

class ChecklistLabelDelegate;

// The item editor of a checklist note: a flat list of rows with check boxes
// and labels that open for typing, over the note's content while it is
// edited. Enter after the last row adds a row, Delete deletes the selected
// one.
class CCheckListEdit : public QTreeWidget {
    Q_OBJECT

public:
    explicit CCheckListEdit(QWidget* parent);

    void SetNoteFont(const FontData& font);
    void SetColours(COLORREF text, COLORREF background);
    // One row per item, ticked as the item is.
    void LoadItems(const std::vector<ChecklistItem>& items);
    // Appends the rows as items, a label still being typed as typed.
    void SaveItems(std::vector<ChecklistItem>& items);

    // Appends a row and opens its label for typing.
    void AppendItem(const QString& label);
    void DeleteSelected();
    // Swaps the selected row with the one above (step -1) or below (+1); the
    // first row goes no higher, the last no lower.
    void MoveSelected(int step);
    void EditSelected();
    // Selects the row above (step -1) or below (+1) the selected one, if
    // there is one.
    void SelectNeighbour(int step);

    // The edit options' actions on ticked rows; the others keep their order.
    void DeleteChecked();
    void MoveCheckedToTop();
    void MoveCheckedToBottom();

    using QTreeWidget::edit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    QTreeWidgetItem* SelectedRow() const;
    void MoveChecked(bool toTop);

    ChecklistLabelDelegate* labels_;
};

}  // namespace vesk
