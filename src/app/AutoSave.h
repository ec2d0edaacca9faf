#pragma once

#include <QTimer>
#include <functional>

namespace vesk {

class SettingsData;

// Saves the notes an interval after a change. A program with nothing to save
// does not wake up for it, and before the notes are loaded a save would
// write over them, so the wait starts only after Begin and a change.
class AutoSave {
public:
    // What a zero or negative interval in a hand-edited settings file means:
    // the usual period rather than a save on every turn of the event loop.
    static constexpr int kDefaultIntervalMs = 10000;

    // saveNotes writes the notes file; false when it could not.
    AutoSave(SettingsData& settings, std::function<bool()> saveNotes);

    // The notes are loaded: changes may be saved from now on.
    void Begin();
    // The program ends: nothing is saved any more.
    void End();
    // Something is left to save.
    void MarkChanged();
    // Takes up a new interval or switch: a running wait starts again.
    void Restart();
    // Saves when something is left to save. A save that failed keeps the
    // mark and tries again an interval later.
    void Tick();
    // The period in use; 0 while auto-save is off.
    int Interval() const;

private:
    void Arm();

    SettingsData& settings_;
    std::function<bool()> saveNotes_;
    QTimer timer_;
    bool running_ = false;
};

}  // namespace vesk
