#include "notes/NoteCollection.h"

#include <utility>
#include <vector>

#include "notes/NoteArchive.h"
#include "notes/NoteCommands.h"
#include "notes/NoteFactory.h"
#include "notes/NoteSize.h"
#include "xml/LocalTimeFormat.h"

namespace vesk {

namespace {

// New notes start at least this far above the bottom of the work area.
constexpr std::int32_t kNewNoteHeightReserve = 275;
constexpr int kAlertShakeIntervalMs = 100;
constexpr int kAlertShakeAmplitude = 10;

// An offset in 0 .. span - 1 whatever the source returns.
std::int64_t RandomOffset(const RandomSource& random, std::int64_t span) {
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(random()) %
                                     static_cast<std::uint64_t>(span));
}

}  // namespace

NoteCollection::NoteCollection(NoteWindowFactory& factory) : factory_(factory) {}

NoteId NoteCollection::NextId() {
    while (notes_.contains(nextId_)) {
        ++nextId_;
    }
    return nextId_;
}

NoteWindow* NoteCollection::Insert(NoteId id, std::unique_ptr<NoteWindow> window) {
    if (!window) {
        return nullptr;
    }
    const auto [entry, inserted] = notes_.try_emplace(id, std::move(window));
    if (!inserted) {
        return nullptr;
    }
    // The search for free ids goes on past every id ever used, so the id of a
    // removed note never comes back to name another one: alarms still queued
    // and the Notebook's rows know notes only by id.
    if (id >= nextId_) {
        nextId_ = id + 1;
    }
    if (watcher_ != nullptr) {
        watcher_->NoteAdded(id, *entry->second);
    }
    return entry->second.get();
}

bool NoteCollection::Remove(NoteId id) {
    // Out of the map before it is destroyed, so whatever its destruction
    // sets off sees a consistent collection.
    auto node = notes_.extract(id);
    if (node.empty()) {
        return false;
    }
    if (watcher_ != nullptr) {
        watcher_->NoteRemoved(id);
    }
    return true;
}

void NoteCollection::Clear() {
    NoteMap old;
    old.swap(notes_);
    Discard(old);
}

void NoteCollection::Discard(NoteMap& notes) {
    if (watcher_ != nullptr) {
        for (const auto& [id, window] : notes) {
            watcher_->NoteRemoved(id);
        }
    }
    notes.clear();
}

NoteWindow* NoteCollection::Find(NoteId id) {
    const auto entry = notes_.find(id);
    return entry == notes_.end() ? nullptr : entry->second.get();
}

NoteWindow* NoteCollection::InsertAndCreate(NoteId id, std::unique_ptr<NoteWindow> window) {
    NoteWindow* inserted = Insert(id, std::move(window));
    if (inserted != nullptr) {
        inserted->CreateNoteWindow();
    }
    return inserted;
}

NoteWindow* NoteCollection::CreateNote(std::int32_t kind, const StyleData& style, bool showTitle,
                                       const SettingsData& settings, const Rect& workArea,
                                       const RandomSource& random) {
    const std::int64_t spanX = std::int64_t{workArea.Width()} - kNewNoteSide;
    const std::int64_t spanY = std::int64_t{workArea.Height()} - kNewNoteHeightReserve;
    std::int64_t x = workArea.left;
    std::int64_t y = workArea.top;
    // A work area too small for the random spread gets the note in its corner.
    if (spanX > 0 && spanY > 0) {
        x += RandomOffset(random, spanX);
        y += RandomOffset(random, spanY);
    }

    std::unique_ptr<NoteData> record = CreateNoteDataByKind(kind);
    if (!record) {
        return nullptr;
    }
    record->SetTitle(FormatLocalTime(record->GetCreationTime(), settings.GetDateFormat()));
    record->SetRect({WrapToInt32(x), WrapToInt32(y), WrapToInt32(x + kNewNoteSide),
                     WrapToInt32(y + kNewNoteSide)});
    record->SetStyle(style);
    record->SetAlpha(settings.GetAlpha());
    record->SetShowTitle(showTitle);

    const NoteId id = NextId();
    std::unique_ptr<NoteWindow> window = factory_.MakeNoteWindow(id, std::move(record));
    if (!window) {
        return nullptr;
    }
    NoteWindow* note = InsertAndCreate(id, std::move(window));
    if (note != nullptr) {
        note->BringToAttention();
        note->SendCommand(NoteCommand::kEdit);
    }
    return note;
}

bool NoteCollection::ImportNoteFile(const std::filesystem::path& path) {
    const NoteId id = NextId();
    NoteWindow* note = InsertAndCreate(id, LoadNoteWindowFile(path, id));
    if (note == nullptr) {
        return false;
    }
    note->BringToAttention();
    return true;
}

void NoteCollection::ShowNoteById(NoteId id) {
    if (NoteWindow* note = Find(id)) {
        note->SetVisible(true);
        note->BringToAttention();
    }
}

bool NoteCollection::AlertNote(NoteId id) {
    NoteWindow* note = Find(id);
    if (note == nullptr) {
        return false;
    }
    note->SetShake(true, kAlertShakeIntervalMs, kAlertShakeAmplitude);
    note->StartAlarmRinging();
    note->BringToAttention();
    return true;
}

bool NoteCollection::ArchiveNote(NoteId id, NoteArchive& archive) {
    NoteWindow* note = Find(id);
    return note != nullptr && archive.Add(note->GetNoteData());
}

void NoteCollection::EmptyWastebasket() {
    std::vector<NoteId> crumpled;
    for (const auto& [id, note] : notes_) {
        if (note->GetNoteData().GetState() == NoteData::kStateWastebasket) {
            crumpled.push_back(id);
        }
    }
    for (const NoteId id : crumpled) {
        Remove(id);
    }
}

}  // namespace vesk
