#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "notes/NoteWindow.h"
#include "notes/NoteWindowFactory.h"

namespace vesk {

// A note window that only holds its record, for the benchmarks and fuzzers
// that exercise the storage without any display.
class RecordWindow : public NoteWindow {
public:
    explicit RecordWindow(std::unique_ptr<NoteData> record) : record_(std::move(record)) {}
    NoteData& GetNoteData() override { return *record_; }
    const NoteData& GetNoteData() const override { return *record_; }
    void CreateNoteWindow() override {}
    void SetVisible(bool show) override {
        record_->SetState(show ? NoteData::kStateShown : NoteData::kStateHidden);
    }
    void BringToAttention() override { SetVisible(true); }
    void SetShake(bool, int, int) override {}
    void StartAlarmRinging() override {}
    void SendCommand(std::uint32_t) override {}
    void MoveToBottom() override {}
    void ApplySettings() override {}
    void Repaint() override {}

private:
    std::unique_ptr<NoteData> record_;
};

class RecordWindowFactory : public NoteWindowFactory {
public:
    std::unique_ptr<NoteWindow> MakeNoteWindow(NoteId, std::unique_ptr<NoteData> record) override {
        return std::make_unique<RecordWindow>(std::move(record));
    }
    int TitleBarHeight() const override { return 24; }
};

}  // namespace vesk
