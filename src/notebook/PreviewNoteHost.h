#pragma once

#include "notewnd/NoteHost.h"

namespace vesk {

// Serves the windows of the Notebook's preview. They show a copy of a note,
// so nothing they do to it may reach the collection, the alarms or the
// Notebook's lists: only the settings, the faces and the links are passed on.
class PreviewNoteHost : public NoteHost {
public:
    explicit PreviewNoteHost(NoteHost& host) : host_(host) {}

    SettingsData& GetSettings() override { return host_.GetSettings(); }
    void MarkChanged() override {}
    void NoteMoved(NoteId, std::int32_t, std::int32_t) override {}
    void ScheduleAlarm(NoteWindow&) override {}
    void UnscheduleAlarm(NoteId) override {}
    bool ArchiveNote(NoteId) override { return false; }
    void RegisterFontFace(const std::u16string& face) override { host_.RegisterFontFace(face); }
    const std::set<std::u16string>& GetFontFaces() const override { return host_.GetFontFaces(); }
    void OpenLink(const std::u16string& url) override { host_.OpenLink(url); }
    void PlaySound(int) override {}

private:
    NoteHost& host_;
};

}  // namespace vesk
