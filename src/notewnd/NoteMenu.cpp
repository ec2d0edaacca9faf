#include "notewnd/NoteMenu.h"

#include <QAction>
#include <QMenu>

#include "notes/NoteCommands.h"
#include "notes/NoteData.h"

namespace vesk {

namespace {

QAction* AddItem(QMenu& menu, const char* text, std::uint32_t command) {
    QAction* item = menu.addAction(QString::fromUtf8(text));
    item->setData(QVariant::fromValue(command));
    return item;
}

void BuildEditingMenu(QMenu& menu) {
    menu.setTitle(QStringLiteral("Edit Note"));
    AddItem(menu, "Cancel Editing", NoteCommand::kCancelEditing);
    AddItem(menu, "Done Editing", NoteCommand::kDoneEditing);
}

void BuildNoteItems(QMenu& menu, const NoteData& note) {
    menu.setTitle(QStringLiteral("Note"));
    AddItem(menu, "Edit\tCtrl+E", NoteCommand::kEdit);
    AddItem(menu, "Set Alarm", NoteCommand::kSetAlarm);
    AddItem(menu, "Clear Contents", NoteCommand::kClearContents);
    menu.addSeparator();
    if (note.IsShaded()) {
        AddItem(menu, "Unshade", NoteCommand::kUnshade);
    } else {
        AddItem(menu, "Shade\tCtrl+S", NoteCommand::kShade);
    }
    AddItem(menu, "Hide\tCtrl+H", NoteCommand::kHide);
    QAction* onTop = AddItem(menu, "Stay On Top", NoteCommand::kStayOnTop);
    onTop->setCheckable(true);
    onTop->setChecked(note.GetStayOnTop() == 1);
    QAction* titleBar = AddItem(menu, "Show Title Bar", NoteCommand::kShowTitleBar);
    titleBar->setCheckable(true);
    titleBar->setChecked(note.GetShowTitle());
    menu.addSeparator();
    AddItem(menu, "Print", NoteCommand::kPrint);
    AddItem(menu, "Copy To Clipboard", NoteCommand::kCopyToClipboard);
    AddItem(menu, "Save", NoteCommand::kSave);
    menu.addSeparator();
    AddItem(menu, "Archive", NoteCommand::kArchive);
    AddItem(menu, "*Crumple*\tCtrl+T", NoteCommand::kCrumple);
}

}  // namespace

void BuildNoteMenu(QMenu& menu, const NoteData& note, bool editing) {
    if (editing) {
        BuildEditingMenu(menu);
    } else {
        BuildNoteItems(menu, note);
    }
}

std::uint32_t MenuCommand(const QAction& action) { return action.data().value<std::uint32_t>(); }

}  // namespace vesk
