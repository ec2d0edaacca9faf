// The actions that the main frame applies to every note at once.
#include <algorithm>
#include <vector>

#include "notes/NoteCollection.h"
#include "notes/NoteCommands.h"

namespace vesk {

template <typename Test, typename Act>
void NoteCollection::ForEachNote(Test test, Act act) {
    std::vector<NoteId> ids;
    ids.reserve(notes_.size());
    for (const auto& entry : notes_) {
        ids.push_back(entry.first);
    }
    for (const NoteId id : ids) {
        NoteWindow* note = Find(id);
        if (note != nullptr && test(note->GetNoteData())) {
            act(*note);
        }
    }
}

namespace {

bool IsShown(const NoteData& note) { return note.GetState() == NoteData::kStateShown; }
bool IsHidden(const NoteData& note) { return note.GetState() == NoteData::kStateHidden; }
bool IsOutOfWastebasket(const NoteData& note) {
    return note.GetState() != NoteData::kStateWastebasket;
}
bool Any(const NoteData&) { return true; }

void Hide(NoteWindow& note) { note.SetVisible(false); }
void Attend(NoteWindow& note) { note.BringToAttention(); }

}  // namespace

void NoteCollection::HideAll() { ForEachNote(IsShown, Hide); }

void NoteCollection::ShowAll() { ForEachNote(IsHidden, Attend); }

void NoteCollection::ShadeAll() {
    ForEachNote([](const NoteData& note) { return IsOutOfWastebasket(note) && !note.IsShaded(); },
                [](NoteWindow& note) { note.SendCommand(NoteCommand::kShade); });
}

void NoteCollection::UnshadeAll() {
    ForEachNote([](const NoteData& note) { return IsOutOfWastebasket(note) && note.IsShaded(); },
                [](NoteWindow& note) { note.SendCommand(NoteCommand::kUnshade); });
}

void NoteCollection::CrumpleAll() {
    ForEachNote(IsOutOfWastebasket,
                [](NoteWindow& note) { note.SendCommand(NoteCommand::kCrumple); });
}

void NoteCollection::DoneEditingAll() {
    // Hidden notes too: one hidden while edited still holds its edit.
    ForEachNote(Any, [](NoteWindow& note) { note.SendCommand(NoteCommand::kDoneEditing); });
}

void NoteCollection::BringAllToFront() { ForEachNote(IsShown, Attend); }

void NoteCollection::SendAllToBack() {
    ForEachNote([](const NoteData& note) { return note.GetStayOnTop() != 1; },
                [](NoteWindow& note) {
                    // Twice in a row: one request to lower is not always
                    // honoured at once.
                    note.MoveToBottom();
                    note.MoveToBottom();
                });
}

void NoteCollection::ToggleAll() {
    const bool anyShown = std::any_of(notes_.begin(), notes_.end(), [](const auto& entry) {
        return IsShown(entry.second->GetNoteData());
    });
    if (anyShown) {
        HideAll();
    } else {
        ShowAll();
    }
}

void NoteCollection::ApplySettingsToAll() {
    ForEachNote(Any, [](NoteWindow& note) {
        note.ApplySettings();
        if (IsOutOfWastebasket(note.GetNoteData())) {
            note.Repaint();
        }
    });
}

}  // namespace vesk
