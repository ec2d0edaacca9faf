#pragma once

#include <set>
#include <string>

#include "notewnd/NoteHost.h"
#include "settings/SettingsData.h"

namespace vesk::bench {

// Serves note windows without a main frame: the settings are the defaults
// and every other request is accepted and forgotten.
class BenchNoteHost : public NoteHost {
public:
    SettingsData settings;
    std::set<std::u16string> faces;

    SettingsData& GetSettings() override { return settings; }
    void MarkChanged() override {}
    void NoteMoved(NoteId, std::int32_t, std::int32_t) override {}
    void ScheduleAlarm(NoteWindow&) override {}
    void UnscheduleAlarm(NoteId) override {}
    bool ArchiveNote(NoteId) override { return false; }
    void RegisterFontFace(const std::u16string& face) override { faces.insert(face); }
    const std::set<std::u16string>& GetFontFaces() const override { return faces; }
    void OpenLink(const std::u16string&) override {}
    void PlaySound(int) override {}
};

}  // namespace vesk::bench
