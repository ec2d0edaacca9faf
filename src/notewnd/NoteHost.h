#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "notes/NoteWindow.h"

namespace vesk {

class SettingsData;

// Where a note sits, as the Notebook is told when it moves.
namespace NotePlace {
inline constexpr std::int32_t kShown = 0;
inline constexpr std::int32_t kHidden = 1;
inline constexpr std::int32_t kWastebasket = 2;
inline constexpr std::int32_t kArchived = 3;
}  // namespace NotePlace

// The services that note windows ask of the program around them: the main
// frame when running, a fake in tests. Windows keep a reference, so the host
// outlives every window it serves.
class NoteHost {
public:
    virtual SettingsData& GetSettings() = 0;
    // The collection changed and must be saved.
    virtual void MarkChanged() = 0;
    // Tells the Notebook that the note moved between places (NotePlace);
    // from == to asks it to refresh the note's row.
    virtual void NoteMoved(NoteId id, std::int32_t from, std::int32_t to) = 0;
    // Queues the window's alarm, if its record has one.
    virtual void ScheduleAlarm(NoteWindow& window) = 0;
    virtual void UnscheduleAlarm(NoteId id) = 0;
    // True when the note went into the archive; its window is then destroyed
    // and must not be touched by the caller.
    virtual bool ArchiveNote(NoteId id) = 0;
    // A face that a note uses, for the font choosers to offer.
    virtual void RegisterFontFace(const std::u16string& face) = 0;
    // The faces registered so far in this run.
    virtual const std::set<std::u16string>& GetFontFaces() const = 0;
    // A link clicked in a note, opened by the desktop; failures are ignored.
    virtual void OpenLink(const std::u16string& url) = 0;
    // One of the program's own sounds (platform::k...Sound), once, without
    // waiting for it. Callers check the settings' "soundEnabled" first.
    virtual void PlaySound(int resource) = 0;

protected:
    ~NoteHost() = default;
};

}  // namespace vesk
