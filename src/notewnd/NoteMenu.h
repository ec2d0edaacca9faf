#pragma once

#include <cstdint>

class QAction;
class QMenu;

namespace vesk {

class NoteData;

// Fills the note's context menu: the "Note" items, with "Unshade" in the
// place of "Shade" for a shaded note, or the "Edit Note" items while the
// note is edited. Each item carries its command.
void BuildNoteMenu(QMenu& menu, const NoteData& note, bool editing);

// The command of an item of that menu.
std::uint32_t MenuCommand(const QAction& action);

}  // namespace vesk
