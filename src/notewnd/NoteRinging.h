#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "app/AlarmData.h"
#include "notes/NoteWindow.h"
#include "platform/SoundPlayer.h"

class QWidget;

namespace vesk {

class NoteData;
class NoteHost;

// A ringing alarm on a note: the window swings sideways about the record's
// place and the alarm's sound plays, until the user clicks the note.
class NoteRinging : public QObject {
public:
    NoteRinging(NoteId id, QWidget& window, NoteData& note, NoteHost& host);
    ~NoteRinging() override;

    bool IsShaking() const { return shaking_; }
    // Off puts the window back at the record's place.
    void SetShake(bool on, int intervalMs, int amplitude);
    // The record's alarm sounds: the standard sound or the alarm's file,
    // once or in a loop; nothing for an alarm that only brings the note to
    // the top.
    void Start();
    // The user has heard it: shake and sound end, and the alarm is gone.
    void Silence();

private:
    void PlaySound(const AlarmData& alarm);
    void Stop();
    void ShakeStep();

    NoteId id_;
    QWidget& window_;
    NoteData& note_;
    NoteHost& host_;
    bool shaking_ = false;
    int amplitude_ = 0;
    int direction_ = 1;
    QTimer timer_;
    // Made at the first ringing; it stops with the note.
    std::unique_ptr<platform::SoundPlayer> sound_;
};

}  // namespace vesk
