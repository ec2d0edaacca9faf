#pragma once

#include <cstdint>

#include "notes/NoteWindow.h"
#include "settings/StyleData.h"

namespace vesk {

namespace platform {
class SoundPlayer;
}
class DialogSlots;
class MainCommands;
class NoteCollection;
class SettingsData;

// Makes the new notes of the New commands, the tray and the new-note hot
// key: the sound, the style after the settings, a place on the work area.
class NewNotes {
public:
    NewNotes(SettingsData& settings, NoteCollection& collection, platform::SoundPlayer& sounds)
        : settings_(settings), collection_(collection), sounds_(sounds) {}

    // With random styles on, a random style of the selected theme; off, the
    // theme's first. The fallback style when the selected theme is missing
    // (or, off, has no style).
    static StyleData ChooseStyle(SettingsData& settings);

    // A note of the kind, opened for editing; none for a kind without a
    // window.
    NoteWindow* CreateNote(std::int32_t kind);

    // The new-note hot key: raises the chooser when it is open, else runs it
    // in its slot and gives the chosen kind's New command.
    static void RunChooser(DialogSlots& dialogs, const MainCommands& commands);

private:
    SettingsData& settings_;
    NoteCollection& collection_;
    platform::SoundPlayer& sounds_;
};

}  // namespace vesk
