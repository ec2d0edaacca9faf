#include "notewnd/ChecklistLabelDelegate.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "notewnd/CCheckListEdit.h"
#include "notewnd/NoteKeys.h"

namespace vesk {

namespace {

constexpr int kLabelLimit = 512;

// Keeps every key it is given: what it has no use for goes no further, to
// the list or the note, either.
class LabelEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        event->accept();
    }
};

}  // namespace

ChecklistLabelDelegate::ChecklistLabelDelegate(CCheckListEdit& list)
    : QStyledItemDelegate(&list), list_(list) {
    // However the typing ended (Escape, the keyboard going elsewhere), the
    // label is no longer open.
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this] { editor_ = nullptr; });
}

QWidget* ChecklistLabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                              const QModelIndex&) const {
    auto* editor = new LabelEdit(parent);
    editor->setFrame(false);
    editor->setMaxLength(kLabelLimit);
    // Ctrl+H and the like are letters typed into a label, not orders to the
    // note.
    editor->setProperty(kTakesAllKeysProperty, true);
    opened_ = editor;
    editor_ = editor;
    return editor;
}

void ChecklistLabelDelegate::PlaceCaretAtStart() {
    if (QLineEdit* editor = opened_) {
        // The whole label stays selected, so that typing replaces it.
        const int length = static_cast<int>(editor->text().size());
        editor->setSelection(length, -length);
    }
    opened_ = nullptr;
}

void ChecklistLabelDelegate::Finish() {
    if (QLineEdit* editor = editor_) {
        editor_ = nullptr;
        emit commitData(editor);
        emit closeEditor(editor);
    }
}

bool ChecklistLabelDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || watched != editor_) {
        return QStyledItemDelegate::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            Finish();
            QKeyEvent again(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
            QCoreApplication::sendEvent(&list_, &again);
            return true;
        }
        case Qt::Key_Up:
        case Qt::Key_Down:
            Finish();
            list_.SelectNeighbour(key.key() == Qt::Key_Up ? -1 : 1);
            return true;
        default:
            return QStyledItemDelegate::eventFilter(watched, event);
    }
}

}  // namespace vesk
