#pragma once

#include "dialogs/editoptions/CEditPage.h"

class QComboBox;
class QPushButton;

namespace vesk {

class CChecklistNoteWnd;

// The item editor of a checklist note from outside: new, delete, edit, up
// and down for the selected item, and actions on every ticked item.
class CChecklistPage : public CEditPage {
    Q_OBJECT

public:
    CChecklistPage(CChecklistNoteWnd& note, NoteHost& host);

    QPushButton& NewItem() { return *newItem_; }
    QPushButton& DeleteItem() { return *deleteItem_; }
    QPushButton& EditItem() { return *editItem_; }
    QPushButton& Up() { return *up_; }
    QPushButton& Down() { return *down_; }
    QComboBox& OnChecked() { return *onChecked_; }

private:
    QPushButton* CommandButton(const QString& text, std::uint32_t command);
    void ActOnChecked(int index);

    CChecklistNoteWnd& checklist_;
    QPushButton* newItem_;
    QPushButton* deleteItem_;
    QPushButton* editItem_;
    QPushButton* up_;
    QPushButton* down_;
    QComboBox* onChecked_;
};

}  // namespace vesk
