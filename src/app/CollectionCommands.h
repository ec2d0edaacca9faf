#pragma once

#include <functional>

namespace vesk {

class MainCommands;
class NoteCollection;

// Puts the "Do To All" commands into the table. changed is called after the
// actions that change where notes are or how they look, so that the next
// auto-save writes them.
void SetUpCollectionCommands(MainCommands& commands, NoteCollection& collection,
                             const std::function<void()>& changed);

}  // namespace vesk
