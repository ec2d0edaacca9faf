#pragma once

#include "notewnd/NoteHost.h"
#include "settings/SettingsData.h"

namespace vesk::bench {

// Serves note windows without a main frame: the settings are the defaults
// and every request is accepted and forgotten.
class BenchNoteHost : public NoteHost {
public:
    SettingsData settings;

    SettingsData& GetSettings() override { return settings; }
    void MarkChanged() override {}
    void NoteMoved(NoteId, std::int32_t, std::int32_t) override {}
    void ScheduleAlarm(NoteWindow&) override {}
    void UnscheduleAlarm(NoteId) override {}
    bool ArchiveNote(NoteId) override { return false; }
    void RegisterFontFace(const std::u16string&) override {}
    void OpenLink(const std::u16string&) override {}
    void PlaySound(int) override {}
};

}  // namespace vesk::bench
