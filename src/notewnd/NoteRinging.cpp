#include "notewnd/NoteRinging.h"

#include <QWidget>

#include "notes/NoteData.h"
#include "notewnd/NoteHost.h"
#include "platform/Platform.h"

namespace vesk {

namespace {
constexpr int kShakeStep = 5;
}  // namespace

NoteRinging::NoteRinging(NoteId id, QWidget& window, NoteData& note, NoteHost& host)
    : id_(id), window_(window), note_(note), host_(host) {
    connect(&timer_, &QTimer::timeout, this, &NoteRinging::ShakeStep);
}

NoteRinging::~NoteRinging() {
    if (sound_) {
        sound_->Stop();
    }
}

void NoteRinging::SetShake(bool on, int intervalMs, int amplitude) {
    if (on) {
        timer_.stop();
        shaking_ = true;
        amplitude_ = amplitude;
        timer_.start(intervalMs);
        return;
    }
    if (shaking_) {
        timer_.stop();
        // Only the place: a shaded note keeps its shaded height.
        window_.move(note_.GetRect().left, note_.GetRect().top);
        shaking_ = false;
    }
}

void NoteRinging::Start() {
    if (const AlarmData* alarm = note_.GetAlarm()) {
        PlaySound(*alarm);
    }
}

void NoteRinging::Silence() {
    Stop();
    note_.EnableAlarm(false);
    // The alarm is gone from the record and from the queue, where it may
    // still wait when the note is crumpled before its time; saving keeps it
    // from ringing again after a restart.
    host_.UnscheduleAlarm(id_);
    host_.MarkChanged();
}

void NoteRinging::PlaySound(const AlarmData& alarm) {
    // "None" only brings the note to the top, as the Set Alarm dialog says.
    if (alarm.repeat == AlarmData::kRepeatNone) {
        return;
    }
    // Only "once" plays once; a loop rings until the note is clicked.
    const auto repeat = alarm.repeat == AlarmData::kRepeatOnce
                            ? platform::SoundPlayer::Repeat::Once
                            : platform::SoundPlayer::Repeat::Loop;
    if (!sound_) {
        sound_ = platform::CreateSoundPlayer();
    }
    if (alarm.soundfile.empty()) {
        sound_->PlaySound(platform::kAlarmSound, repeat);
    } else {
        sound_->PlayFile(QString::fromStdU16String(alarm.soundfile), repeat);
    }
}

void NoteRinging::Stop() {
    SetShake(false, 0, 0);
    if (sound_) {
        sound_->Stop();
    }
}

void NoteRinging::ShakeStep() {
    const Rect& place = note_.GetRect();
    const QPoint next = window_.pos() + QPoint(kShakeStep * direction_, 0);
    if (direction_ > 0 && next.x() + window_.width() >= place.right + amplitude_) {
        direction_ = -1;
    } else if (direction_ < 0 && next.x() <= place.left - amplitude_) {
        direction_ = 1;
    }
    window_.move(next);
}

}  // namespace vesk
