#pragma once

#include <functional>

#include "platform/Autostart.h"

namespace vesk {

class DialogSlots;
class MainHotKeys;
class NoteCollection;
class SettingsData;

// The Settings command: the Settings sheet in its dialog slot, with the hot
// keys let go meanwhile so that the hot-key fields can take them. After OK
// every change takes effect at once: the fonts and every note window, the
// auto-save period; the hot keys are registered again after Cancel too.
class SettingsCommand {
public:
    struct Parts {
        SettingsData& settings;
        NoteCollection& collection;
        DialogSlots& dialogs;
        MainHotKeys& hotKeys;
        platform::Autostart& autostart;
        // Takes up a new auto-save interval or switch.
        std::function<void()> restartAutoSave;
        std::function<void()> openBackupManager;
    };

    explicit SettingsCommand(Parts parts) : parts_(std::move(parts)) {}

    void Run();

private:
    Parts parts_;
};

}  // namespace vesk
