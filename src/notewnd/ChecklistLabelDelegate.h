#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace vesk {

class CCheckListEdit;

// Opens a checklist item's label for typing: at most 512 characters, all of
// it selected with the caret at the start, every key its own (the note's
// accelerators too). Enter, Up and Down end the typing and keep what was
// typed: Enter then goes on to the list (and, with Ctrl, to the note), Up
// and Down move the selection. Escape ends it keeping the old label; an
// empty label typed on purpose is kept.
class ChecklistLabelDelegate : public QStyledItemDelegate {
public:
    explicit ChecklistLabelDelegate(CCheckListEdit& list);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Once the list has opened a new label editor.
    void PlaceCaretAtStart();
    // Ends the typing of the open label, if any, keeping what was typed.
    void Finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CCheckListEdit& list_;
    // The label editor last opened, until the list has placed its caret.
    mutable QPointer<QLineEdit> opened_;
    mutable QPointer<QLineEdit> editor_;
};

}  // namespace vesk
