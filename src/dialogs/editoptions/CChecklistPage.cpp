#include "dialogs/editoptions/CChecklistPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "notes/NoteCommands.h"
#include "notewnd/CChecklistNoteWnd.h"

namespace vesk {

namespace {

// The entries of "Actions on Checked" after its title line.
enum CheckedAction { kDeleteChecked = 1, kMoveToTop, kMoveToBottom };

}  // namespace

CChecklistPage::CChecklistPage(CChecklistNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("C"), QStringLiteral("Checklist"), "checklist"),
      checklist_(note),
      newItem_(CommandButton(QStringLiteral("Create New Item"), NoteCommand::kNewItem)),
      deleteItem_(CommandButton(QStringLiteral("Delete"), NoteCommand::kDeleteItem)),
      editItem_(CommandButton(QStringLiteral("Edit"), NoteCommand::kEditItem)),
      up_(CommandButton(QStringLiteral("\u25B2"), NoteCommand::kMoveItemUp)),
      down_(CommandButton(QStringLiteral("\u25BC"), NoteCommand::kMoveItemDown)),
      onChecked_(new QComboBox(this)) {
    QFont arrows(QStringLiteral("Arial"));
    arrows.setPixelSize(14);
    for (QPushButton* arrow : {up_, down_}) {
        arrow->setFont(arrows);
        arrow->setFixedWidth(arrow->sizeHint().height());
    }
    onChecked_->addItems({QStringLiteral("Actions on Checked"), QStringLiteral("Delete"),
                          QStringLiteral("Move to Top"), QStringLiteral("Move to Bottom")});
    connect(onChecked_, &QComboBox::activated, this, &CChecklistPage::ActOnChecked);

    auto* layout = new QGridLayout(this);
    layout->addWidget(newItem_, 0, 0, 1, 2);
    layout->addWidget(up_, 0, 2);
    layout->addWidget(deleteItem_, 1, 0);
    layout->addWidget(editItem_, 1, 1);
    layout->addWidget(down_, 1, 2);
    layout->addWidget(onChecked_, 2, 0, 1, 3);
    layout->setRowStretch(3, 1);
}

QPushButton* CChecklistPage::CommandButton(const QString& text, std::uint32_t command) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { Send(command); });
    return button;
}

void CChecklistPage::ActOnChecked(int index) {
    switch (index) {
        case kDeleteChecked:
            checklist_.DeleteChecked();
            break;
        case kMoveToTop:
            checklist_.MoveCheckedToTop();
            break;
        case kMoveToBottom:
            checklist_.MoveCheckedToBottom();
            break;
        default:
            return;
    }
    onChecked_->setCurrentIndex(0);
}

}  // namespace vesk
