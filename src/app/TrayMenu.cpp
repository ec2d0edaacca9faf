#include "app/TrayMenu.h"

#include <QAction>
#include <QMenu>

#include "app/KindIcons.h"
#include "app/MainCommandIds.h"
#include "app/MainCommands.h"
#include "notewnd/NoteGeometry.h"

namespace vesk {
namespace {

constexpr int kIconSize = 16;

QIcon IconPair(int shown, int hidden) {
    const QSize size(kIconSize, kIconSize);
    QIcon pair;
    pair.addPixmap(KindIcon(shown).pixmap(size), QIcon::Normal, QIcon::On);
    pair.addPixmap(KindIcon(hidden).pixmap(size), QIcon::Normal, QIcon::Off);
    return pair;
}

// A note's title would otherwise lose its ampersands to keyboard mnemonics.
QString MenuText(const QString& text) {
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

void InsertAtTop(QMenu& menu, QAction* action) {
    const QList<QAction*> actions = menu.actions();
    menu.insertAction(actions.isEmpty() ? nullptr : actions.first(), action);
}

}  // namespace

TrayMenu::TrayMenu(const MainCommands& commands)
    : commands_(commands),
      messagePair_(IconPair(KindBitmap::kMessageChecked, KindBitmap::kMessageUnchecked)),
      scribblePair_(IconPair(KindBitmap::kScribbleChecked, KindBitmap::kScribbleUnchecked)),
      otherPair_(IconPair(KindBitmap::kOtherChecked, KindBitmap::kOtherUnchecked)) {}

void TrayMenu::Fill(QMenu& menu, const NoteCollection::NoteMap& notes) const {
    menu.clear();
    qDeleteAll(menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly));

    QMenu* more = AddSubmenu(menu, QStringLiteral("More"));
    menu.addSeparator();
    AddCommand(menu, QStringLiteral("Notebook/Archive"), MainCommand::kNotebook);
    QMenu* waste = AddSubmenu(menu, QStringLiteral("Waste Basket"));
    QAction* empty = AddCommand(*waste, QStringLiteral("Empty"), MainCommand::kEmptyWastebasket);
    empty->setEnabled(false);
    QMenu* all = AddSubmenu(menu, QStringLiteral("Do To All"));
    AddCommand(*all, QStringLiteral("Bring To Front"), MainCommand::kBringAllToFront);
    AddCommand(*all, QStringLiteral("Send To Back"), MainCommand::kSendAllToBack);
    AddCommand(*all, QStringLiteral("Hide"), MainCommand::kHideAll);
    AddCommand(*all, QStringLiteral("Show"), MainCommand::kShowAll);
    AddCommand(*all, QStringLiteral("Shade"), MainCommand::kShadeAll);
    AddCommand(*all, QStringLiteral("Unshade"), MainCommand::kUnshadeAll);
    AddCommand(*all, QStringLiteral("*Crumple*"), MainCommand::kCrumpleAll);
    menu.addSeparator();
    QMenu* tools = AddSubmenu(menu, QStringLiteral("Config/Tools"));
    AddCommand(*tools, QStringLiteral("Help"), MainCommand::kHelp);
    AddCommand(*tools, QStringLiteral("About"), MainCommand::kAbout);
    tools->addSeparator();
    AddCommand(*tools, QStringLiteral("Theme"), MainCommand::kTheme);
    AddCommand(*tools, QStringLiteral("Backup Manager"), MainCommand::kBackupManager);
    tools->addSeparator();
    AddCommand(*tools, QStringLiteral("Settings"), MainCommand::kSettings);
    menu.addSeparator();
    AddCommand(menu, QStringLiteral("Import Note"), MainCommand::kImportNote);
    QMenu* create = AddSubmenu(menu, QStringLiteral("New"));
    AddCommand(*create, QStringLiteral("Note"), MainCommand::kNewNote)
        ->setIcon(KindIcon(KindBitmap::kMessageChecked));
    AddCommand(*create, QStringLiteral("Checklist Note"), MainCommand::kNewChecklist)
        ->setIcon(KindIcon(KindBitmap::kOtherChecked));
    AddCommand(*create, QStringLiteral("Scribble Note"), MainCommand::kNewScribble)
        ->setIcon(KindIcon(KindBitmap::kScribbleChecked));
    AddCommand(*create, QStringLiteral("Picture Note"), MainCommand::kNewPicture)
        ->setIcon(KindIcon(KindBitmap::kPicture));
    menu.addSeparator();
    AddCommand(menu, QStringLiteral("Exit"), MainCommand::kExit);

    // Every item goes in at the top, so each place lists its notes with the
    // newest first.
    int shownOrHidden = 0;
    for (const auto& [id, window] : notes) {
        const NoteData& note = window->GetNoteData();
        if (note.GetState() == NoteData::kStateWastebasket) {
            empty->setEnabled(commands_.IsAvailable(MainCommand::kEmptyWastebasket));
            InsertAtTop(*waste, MakeNoteItem(*waste, id, note));
            continue;
        }
        QMenu& place = shownOrHidden < kNotesOnTop ? menu : *more;
        QAction* item = MakeNoteItem(place, id, note);
        item->setCheckable(true);
        item->setChecked(note.GetState() == NoteData::kStateShown);
        InsertAtTop(place, item);
        ++shownOrHidden;
    }
    if (shownOrHidden <= kNotesOnTop) menu.removeAction(more->menuAction());
    if (shownOrHidden == 0) {
        QAction* none = new QAction(QStringLiteral("No Notes"), &menu);
        none->setEnabled(false);
        InsertAtTop(menu, none);
    }
}

QAction* TrayMenu::AddCommand(QMenu& menu, const QString& text, std::uint32_t command) const {
    auto* action = new QAction(text, &menu);
    action->setEnabled(commands_.IsAvailable(command));
    RunWhenChosen(action, command);
    menu.addAction(action);
    return action;
}

QMenu* TrayMenu::AddSubmenu(QMenu& parent, const QString& title) const {
    auto* submenu = new QMenu(title, &parent);
    parent.addMenu(submenu);
    return submenu;
}

QAction* TrayMenu::MakeNoteItem(QMenu& owner, NoteId id, const NoteData& note) const {
    const std::uint32_t command = MainCommand::kFirstNote + id;
    // An icon alone tells the user nothing of which note it is.
    const QString title = note.GetTitle().empty()
                              ? QStringLiteral("Untitled Note")
                              : ShortTitle(QString::fromStdU16String(note.GetTitle()));
    auto* item = new QAction(KindPair(note.GetKind()), MenuText(title), &owner);
    item->setEnabled(commands_.IsAvailable(command));
    RunWhenChosen(item, command);
    return item;
}

void TrayMenu::RunWhenChosen(QAction* action, std::uint32_t command) const {
    // The command runs once the menu has done with the key or click that
    // chose it: Exit takes the tray icon, and the menu's popup ground, away.
    QObject::connect(
        action, &QAction::triggered, action, [this, command] { commands_.Run(command); },
        Qt::QueuedConnection);
}

const QIcon& TrayMenu::KindPair(std::int32_t kind) const {
    switch (kind) {
        case NoteData::kMessage:
            return messagePair_;
        case NoteData::kScribble:
            return scribblePair_;
        default:
            return otherPair_;
    }
}

}  // namespace vesk
