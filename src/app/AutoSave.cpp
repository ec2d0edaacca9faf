#include "app/AutoSave.h"

#include <utility>

#include "settings/SettingsData.h"

namespace vesk {

AutoSave::AutoSave(SettingsData& settings, std::function<bool()> saveNotes)
    : settings_(settings), saveNotes_(std::move(saveNotes)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

void AutoSave::Begin() {
    running_ = true;
    Arm();
}

void AutoSave::End() {
    running_ = false;
    timer_.stop();
}

void AutoSave::MarkChanged() {
    settings_.GetAutoSaveData().SetChanged(true);
    Arm();
}

void AutoSave::Restart() {
    timer_.stop();
    Arm();
}

void AutoSave::Tick() {
    AutoSaveData& autoSave = settings_.GetAutoSaveData();
    if (autoSave.IsChanged() && saveNotes_()) autoSave.SetChanged(false);
    Arm();
}

int AutoSave::Interval() const {
    const AutoSaveData& autoSave = settings_.GetAutoSaveData();
    if (!autoSave.IsEnabled()) return 0;
    return autoSave.GetInterval() > 0 ? autoSave.GetInterval() : kDefaultIntervalMs;
}

void AutoSave::Arm() {
    if (running_ && settings_.GetAutoSaveData().IsChanged() && Interval() > 0 &&
        !timer_.isActive()) {
        timer_.start(Interval());
    }
}

}  // namespace vesk
