#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "app/AlarmData.h"
#include "platform/SoundPlayer.h"

class QWidget;

namespace vesk {

class NoteData;

// A ringing alarm on a note: the window swings sideways about the record's
// place and the alarm's sound plays, until the user clicks the note.
class NoteRinging : public QObject {
public:
    NoteRinging(QWidget& window, const NoteData& note);
    ~NoteRinging() override;

    bool IsShaking() const { return shaking_; }
    // Off puts the window back at the record's place.
    void SetShake(bool on, int intervalMs, int amplitude);
    // The standard sound or the alarm's file, once or in a loop; nothing
    // for an alarm that only brings the note to the top.
    void PlaySound(const AlarmData& alarm);
    // Shake and sound end.
    void Stop();

private:
    void ShakeStep();

    QWidget& window_;
    const NoteData& note_;
    bool shaking_ = false;
    int amplitude_ = 0;
    int direction_ = 1;
    QTimer timer_;
    // Made at the first ringing; it stops with the note.
    std::unique_ptr<platform::SoundPlayer> sound_;
};

}  // namespace vesk
