#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "notes/NoteCollection.h"
#include "notes/NoteCommands.h"
#include "notes/NoteFactory.h"

namespace vesk::test {

// Acts on its record as a note window does and logs what it was asked. Its
// id is on the desktop's stack (bottom first) from creation to destruction.
class FakeNoteWindow : public NoteWindow {
public:
    FakeNoteWindow(std::vector<NoteId>& desktop, NoteId id, std::unique_ptr<NoteData> record)
        : desktop_(desktop), id_(id), record_(std::move(record)) {}
    ~FakeNoteWindow() override { std::erase(desktop_, id_); }

    NoteData& GetNoteData() override { return *record_; }
    const NoteData& GetNoteData() const override { return *record_; }
    void CreateNoteWindow() override { Raise(); }
    void SetVisible(bool show) override {
        record_->SetState(show ? NoteData::kStateShown : NoteData::kStateHidden);
    }
    void BringToAttention() override {
        SetVisible(true);
        ++attentions;
        Raise();
    }
    void SetShake(bool on, int intervalMs, int amplitude) override {
        shake = {on, intervalMs, amplitude};
    }
    void StartAlarmRinging() override { ringing = true; }
    void SendCommand(std::uint32_t command) override {
        commands.push_back(command);
        if (command == NoteCommand::kShade || command == NoteCommand::kUnshade) {
            record_->SetShaded(command == NoteCommand::kShade);
        } else if (command == NoteCommand::kCrumple) {
            record_->SetState(NoteData::kStateWastebasket);
            // The reaction may destroy this window: nothing of it is touched
            // afterwards.
            if (const std::function<void()> after = onCrumple) after();
        }
    }
    void MoveToBottom() override {
        std::erase(desktop_, id_);
        desktop_.insert(desktop_.begin(), id_);
    }
    void ApplySettings() override { ++settingsApplied; }
    void Repaint() override { ++repaints; }

    NoteId Id() const { return id_; }

    int attentions = 0;
    std::tuple<bool, int, int> shake;
    bool ringing = false;
    std::vector<std::uint32_t> commands;
    int settingsApplied = 0;
    int repaints = 0;
    // What the program does after a crumple, such as emptying the wastebasket.
    std::function<void()> onCrumple;

private:
    void Raise() {
        std::erase(desktop_, id_);
        desktop_.push_back(id_);
    }

    std::vector<NoteId>& desktop_;
    NoteId id_;
    std::unique_ptr<NoteData> record_;
};

class FakeWindowFactory : public NoteWindowFactory {
public:
    std::unique_ptr<NoteWindow> MakeNoteWindow(NoteId id,
                                               std::unique_ptr<NoteData> record) override {
        return std::make_unique<FakeNoteWindow>(desktop, id, std::move(record));
    }
    int TitleBarHeight() const override { return 24; }

    std::vector<NoteId> desktop;
};

inline FakeNoteWindow& Fake(NoteWindow* window) { return dynamic_cast<FakeNoteWindow&>(*window); }

// One value of each note of the collection, in id order.
template <typename Of>
auto EachNote(const NoteCollection& collection, Of of) {
    std::vector<decltype(of(std::declval<FakeNoteWindow&>()))> values;
    for (const auto& [id, window] : collection.GetNotes()) values.push_back(of(Fake(window.get())));
    return values;
}

// A note already made and placed, in the given state.
inline FakeNoteWindow& AddFakeNote(NoteCollection& collection, FakeWindowFactory& factory,
                                   std::int32_t state, bool shaded = false, int stayOnTop = 0,
                                   std::int32_t kind = NoteData::kMessage) {
    std::unique_ptr<NoteData> record = CreateNoteDataByKind(kind);
    record->SetState(state);
    record->SetShaded(shaded);
    record->SetStayOnTop(stayOnTop);
    record->SetRect({10, 20, 210, 220});
    const NoteId id = collection.NextId();
    record->SetTitle(u"Note " + std::u16string(1, static_cast<char16_t>(u'0' + id % 10)));
    auto& fake = Fake(collection.Insert(id, factory.MakeNoteWindow(id, std::move(record))));
    fake.CreateNoteWindow();
    return fake;
}

}  // namespace vesk::test
