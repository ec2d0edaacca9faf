#include "dialogs/NewNoteDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <utility>

#include "app/KindIcons.h"
#include "notes/NoteData.h"

namespace vesk {

CNewNoteDialog::CNewNoteDialog(std::function<bool(std::int32_t kind)> available, QWidget* parent)
    : QDialog(parent), available_(std::move(available)) {
    setWindowTitle(QStringLiteral("New Note"));
    auto* layout = new QHBoxLayout(this);
    QPushButton* note =
        AddKind(QStringLiteral("&Note"), NoteData::kMessage, KindBitmap::kMessageChecked);
    AddKind(QStringLiteral("&Checklist"), NoteData::kChecklist, KindBitmap::kOtherChecked);
    AddKind(QStringLiteral("&Scribble"), NoteData::kScribble, KindBitmap::kScribbleChecked);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(cancel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    note->setDefault(true);
    note->setFocus();
}

QPushButton* CNewNoteDialog::AddKind(const QString& text, std::int32_t kind, int icon) {
    auto* button = new QPushButton(KindIcon(icon), text, this);
    button->setObjectName(QStringLiteral("kind%1").arg(kind));
    button->setEnabled(available_(kind));
    connect(button, &QPushButton::clicked, this, [this, kind] { Choose(kind); });
    layout()->addWidget(button);
    return button;
}

void CNewNoteDialog::keyPressEvent(QKeyEvent* event) {
    // Plain letters, as well as the buttons' Alt mnemonics.
    switch (event->key()) {
        case Qt::Key_N:
            Choose(NoteData::kMessage);
            return;
        case Qt::Key_C:
            Choose(NoteData::kChecklist);
            return;
        case Qt::Key_S:
            Choose(NoteData::kScribble);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CNewNoteDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void CNewNoteDialog::Choose(std::int32_t kind) {
    if (!available_(kind)) return;
    kind_ = kind;
    accept();
}

}  // namespace vesk
