#include "notewnd/CCheckListEdit.h"

#include <QKeyEvent>
#include <QPalette>
#include <optional>

#include "notewnd/ChecklistLabelDelegate.h"
#include "notewnd/QtColors.h"
#include "notewnd/QtFontEngine.h"

namespace vesk {

namespace {

QTreeWidgetItem* NewRow(const QString& label, bool checked) {
    auto* row = new QTreeWidgetItem(QStringList{label});
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable |
                  Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return row;
}

bool IsTicked(const QTreeWidgetItem& row) { return row.checkState(0) == Qt::Checked; }

}  // namespace

CCheckListEdit::CCheckListEdit(QWidget* parent)
    : QTreeWidget(parent), labels_(new ChecklistLabelDelegate(*this)) {
    setItemDelegate(labels_);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    // The note's own menu is the one a right click opens.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CCheckListEdit::SetNoteFont(const FontData& font) {
    if (const std::optional<QtDrawingFonts> fonts = QtDrawingFonts::Usable(font)) {
        setFont(fonts->GetPlainFont());
    }
}

void CCheckListEdit::SetColours(COLORREF text, COLORREF background) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(background));
    colours.setColor(QPalette::Window, ToQColor(background));
    colours.setColor(QPalette::Text, ToQColor(text));
    setPalette(colours);
}

void CCheckListEdit::LoadItems(const std::vector<ChecklistItem>& items) {
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const ChecklistItem& item : items) {
        rows.append(NewRow(QString::fromStdU16String(item.text), item.checked));
    }
    addTopLevelItems(rows);
}

void CCheckListEdit::SaveItems(std::vector<ChecklistItem>& items) {
    labels_->Finish();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *topLevelItem(i);
        items.push_back({IsTicked(row), row.text(0).toStdU16String()});
    }
}

void CCheckListEdit::AppendItem(const QString& label) {
    labels_->Finish();
    QTreeWidgetItem* row = NewRow(label, false);
    addTopLevelItem(row);
    setCurrentItem(row);
    scrollToItem(row);
    editItem(row);
}

void CCheckListEdit::DeleteSelected() {
    labels_->Finish();
    delete SelectedRow();
}

void CCheckListEdit::MoveSelected(int step) {
    labels_->Finish();
    QTreeWidgetItem* row = SelectedRow();
    if (row == nullptr) {
        return;
    }
    const int from = indexOfTopLevelItem(row);
    const int to = from + step;
    if (to < 0 || to >= topLevelItemCount()) {
        return;
    }
    insertTopLevelItem(to, takeTopLevelItem(from));
    setCurrentItem(row);
}

void CCheckListEdit::EditSelected() {
    labels_->Finish();
    if (QTreeWidgetItem* row = SelectedRow()) {
        scrollToItem(row);
        editItem(row);
    }
}

void CCheckListEdit::SelectNeighbour(int step) {
    QTreeWidgetItem* row = SelectedRow();
    if (row == nullptr) {
        return;
    }
    if (QTreeWidgetItem* neighbour = topLevelItem(indexOfTopLevelItem(row) + step)) {
        setCurrentItem(neighbour);
    }
}

void CCheckListEdit::DeleteChecked() {
    labels_->Finish();
    for (int i = topLevelItemCount() - 1; i >= 0; --i) {
        if (IsTicked(*topLevelItem(i))) {
            delete takeTopLevelItem(i);
        }
    }
}

void CCheckListEdit::MoveCheckedToTop() { MoveChecked(true); }

void CCheckListEdit::MoveCheckedToBottom() { MoveChecked(false); }

void CCheckListEdit::MoveChecked(bool toTop) {
    labels_->Finish();
    QTreeWidgetItem* current = currentItem();
    QList<QTreeWidgetItem*> ticked;
    QList<QTreeWidgetItem*> open;
    for (QTreeWidgetItem* row : invisibleRootItem()->takeChildren()) {
        (IsTicked(*row) ? ticked : open).append(row);
    }
    addTopLevelItems(toTop ? ticked : open);
    addTopLevelItems(toTop ? open : ticked);
    if (current != nullptr) {
        setCurrentItem(current);
    }
}

void CCheckListEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            QTreeWidgetItem* row = SelectedRow();
            if (row == nullptr || indexOfTopLevelItem(row) + 1 == topLevelItemCount()) {
                AppendItem(QStringLiteral("New Item"));
                return;
            }
            break;
        }
        case Qt::Key_Delete:
            DeleteSelected();
            return;
        default:
            break;
    }
    QTreeWidget::keyPressEvent(event);
}

bool CCheckListEdit::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTreeWidget::edit(index, trigger, event)) {
        return false;
    }
    // The row whose label is open is the selected one, even when it was
    // only current (as the first row is when the list opens): Up, Down,
    // Delete and the edit options' buttons go from it.
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    labels_->PlaceCaretAtStart();
    return true;
}

QTreeWidgetItem* CCheckListEdit::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

}  // namespace vesk
