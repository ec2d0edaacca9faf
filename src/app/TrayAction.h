#pragma once

#include <functional>

#include "settings/SettingsData.h"

namespace vesk {

class MainCommands;
class NoteCollection;

// What a double-click on the tray icon does, as the settings choose: a new
// note or checklist through the command table, every note to the front, or
// every note shown or hidden. changed is called after the notes changed
// their state, so that the next auto-save writes them.
void RunTrayAction(TrayAction action, const MainCommands& commands, NoteCollection& collection,
                   const std::function<void()>& changed);

}  // namespace vesk
