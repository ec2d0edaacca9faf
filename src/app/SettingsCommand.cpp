#include "app/SettingsCommand.h"

#include "app/DialogSlots.h"
#include "app/MainHotKeys.h"
#include "app/NoteSettings.h"
#include "dialogs/UserPrompts.h"
#include "dialogs/settings/CSettingsSheet.h"

namespace vesk {

void SettingsCommand::Run() {
    if (parts_.dialogs.Raise(DialogSlot::Settings)) return;
    CSettingsSheet sheet(parts_.settings, parts_.autostart, parts_.openBackupManager);
    parts_.hotKeys.UnregisterHotKeys();
    bool accepted = false;
    parts_.dialogs.Run(DialogSlot::Settings, &sheet, [&] {
        accepted = UserPrompts::Current().RunDialog(sheet) == QDialog::Accepted;
    });
    if (accepted) {
        ApplyNoteSettings(parts_.settings, parts_.collection);
        parts_.restartAutoSave();
    }
    parts_.hotKeys.RegisterHotKeys(parts_.settings);
}

}  // namespace vesk
