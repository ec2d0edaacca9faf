#include "app/MainHotKeys.h"

#include "app/MainCommandIds.h"
#include "platform/HotKeys.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

void RegisterIfUsed(platform::HotKeys& keys, int id, const HotKeyData& key) {
    if (key.used) keys.RegisterHotKey(id, key.modifiers, key.virtualKey);
}

}  // namespace

void MainHotKeys::RegisterHotKeys(const SettingsData& settings) {
    UnregisterHotKeys();
    RegisterIfUsed(keys_, MainHotKey::kShowNotes, settings.GetShowNotesHotKey());
    RegisterIfUsed(keys_, MainHotKey::kNewNote, settings.GetNewNoteHotKey());
}

void MainHotKeys::UnregisterHotKeys() {
    keys_.UnregisterHotKey(MainHotKey::kShowNotes);
    keys_.UnregisterHotKey(MainHotKey::kNewNote);
}

}  // namespace vesk
