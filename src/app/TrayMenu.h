#pragma once

#include <QIcon>
#include <cstdint>

#include "notes/NoteCollection.h"

class QAction;
class QMenu;

namespace vesk {

class MainCommands;

// Builds the tray menu afresh each time it opens: the desktop notes on top
// (from the eleventh on under "More"), the wastebasket's notes, the
// collection-wide actions, tools, import, new notes and exit. Every item runs
// its command through the command table; commands that nothing answers yet
// are greyed.
class TrayMenu {
public:
    // How many desktop notes stand directly in the menu.
    static constexpr int kNotesOnTop = 10;

    explicit TrayMenu(const MainCommands& commands);

    // Replaces everything in the menu.
    void Fill(QMenu& menu, const NoteCollection::NoteMap& notes) const;

private:
    QAction* AddCommand(QMenu& menu, const QString& text, std::uint32_t command) const;
    QMenu* AddSubmenu(QMenu& parent, const QString& title) const;
    QAction* MakeNoteItem(QMenu& owner, NoteId id, const NoteData& note) const;
    void RunWhenChosen(QAction* action, std::uint32_t command) const;
    const QIcon& KindPair(std::int32_t kind) const;

    const MainCommands& commands_;
    // Shown and hidden pictures of each kind, as one icon's on and off states.
    QIcon messagePair_;
    QIcon scribblePair_;
    QIcon otherPair_;
};

}  // namespace vesk
