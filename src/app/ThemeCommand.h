#pragma once

#include <functional>

namespace vesk {

class DialogSlots;
class NoteCollection;
class SettingsData;

// The Theme command: the theme chooser in its dialog slot. When another
// theme (by name) was chosen, the user may have every note take a style of
// it, each note its own random draw.
class ThemeCommand {
public:
    ThemeCommand(SettingsData& settings, NoteCollection& collection, DialogSlots& dialogs,
                 std::function<void()> markChanged)
        : settings_(settings),
          collection_(collection),
          dialogs_(dialogs),
          markChanged_(std::move(markChanged)) {}

    void Run();

private:
    void ConvertNotes();

    SettingsData& settings_;
    NoteCollection& collection_;
    DialogSlots& dialogs_;
    std::function<void()> markChanged_;
};

}  // namespace vesk
