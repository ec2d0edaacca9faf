#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "notes/NoteCollection.h"
#include "notes/NoteCommands.h"
#include "notes/NoteFactory.h"
#include "notes/NoteWindow.h"
#include "notes/NoteWindowFactory.h"

namespace vesk::test {

// The desktop the fake windows live on: their stacking order and which of
// them still exist.
struct FakeDesktop {
    // Bottom first.
    std::vector<NoteId> stack;
    std::set<NoteId> alive;

    void Raise(NoteId id) {
        std::erase(stack, id);
        stack.push_back(id);
    }
    void Lower(NoteId id) {
        std::erase(stack, id);
        stack.insert(stack.begin(), id);
    }
};

// Behaves towards its record as a note window does, and keeps a log of what
// the collection asked of it.
class FakeNoteWindow : public NoteWindow {
public:
    FakeNoteWindow(FakeDesktop& desktop, NoteId id, std::unique_ptr<NoteData> record)
        : desktop_(desktop), id_(id), record_(std::move(record)) {
        desktop_.alive.insert(id_);
    }
    ~FakeNoteWindow() override {
        desktop_.alive.erase(id_);
        std::erase(desktop_.stack, id_);
    }

    NoteData& GetNoteData() override { return *record_; }
    const NoteData& GetNoteData() const override { return *record_; }

    void CreateNoteWindow() override {
        created = true;
        desktop_.Raise(id_);
    }
    void SetVisible(bool show) override {
        record_->SetState(show ? NoteData::kStateShown : NoteData::kStateHidden);
        visible = show;
    }
    void BringToAttention() override {
        SetVisible(true);
        ++attentions;
        desktop_.Raise(id_);
    }
    void SetShake(bool on, int intervalMs, int amplitude) override {
        shaking = on;
        shakeInterval = intervalMs;
        shakeAmplitude = amplitude;
    }
    void StartAlarmRinging() override { ringing = true; }
    void SendCommand(std::uint32_t command) override {
        commands.push_back(command);
        if (command == NoteCommand::kShade) {
            record_->SetShaded(true);
        } else if (command == NoteCommand::kUnshade) {
            record_->SetShaded(false);
        } else if (command == NoteCommand::kCrumple) {
            visible = false;
            record_->SetState(NoteData::kStateWastebasket);
            // The reaction may destroy this window, so nothing of it is
            // touched afterwards.
            if (const std::function<void()> after = onCrumple) after();
        }
    }
    void MoveToBottom() override { desktop_.Lower(id_); }
    void ApplySettings() override { ++settingsApplied; }
    void Repaint() override { ++repaints; }

    NoteId Id() const { return id_; }

    bool created = false;
    bool visible = false;
    int attentions = 0;
    bool shaking = false;
    int shakeInterval = 0;
    int shakeAmplitude = 0;
    bool ringing = false;
    std::vector<std::uint32_t> commands;
    int settingsApplied = 0;
    int repaints = 0;
    // What the program does after a crumple, such as emptying the wastebasket.
    std::function<void()> onCrumple;

private:
    FakeDesktop& desktop_;
    NoteId id_;
    std::unique_ptr<NoteData> record_;
};

class FakeWindowFactory : public NoteWindowFactory {
public:
    std::unique_ptr<NoteWindow> MakeNoteWindow(NoteId id,
                                               std::unique_ptr<NoteData> record) override {
        switch (record->GetKind()) {
            case NoteData::kMessage:
            case NoteData::kScribble:
            case NoteData::kChecklist:
            case NoteData::kPicture:
                return std::make_unique<FakeNoteWindow>(desktop, id, std::move(record));
            default:
                return nullptr;
        }
    }
    int TitleBarHeight() const override { return titleBarHeight; }

    FakeDesktop desktop;
    int titleBarHeight = 24;
};

inline FakeNoteWindow& Fake(NoteWindow* window) { return dynamic_cast<FakeNoteWindow&>(*window); }

// A note already on the desktop (or hidden, or crumpled), titled after its id.
inline FakeNoteWindow& AddFakeNote(NoteCollection& collection, FakeWindowFactory& factory,
                                   std::int32_t state, bool shaded = false, int stayOnTop = 0,
                                   std::int32_t kind = NoteData::kMessage) {
    std::unique_ptr<NoteData> record = CreateNoteDataByKind(kind);
    record->SetState(state);
    record->SetShaded(shaded);
    record->SetStayOnTop(stayOnTop);
    const NoteId id = collection.NextId();
    record->SetTitle(u"Note " + std::u16string(1, static_cast<char16_t>(u'0' + id % 10)));
    NoteWindow* window = collection.Insert(id, factory.MakeNoteWindow(id, std::move(record)));
    window->CreateNoteWindow();
    auto& fake = Fake(window);
    fake.visible = state == NoteData::kStateShown;
    return fake;
}

}  // namespace vesk::test
