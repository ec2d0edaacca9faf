#pragma once

#include <QDialog>

#include "app/AlarmData.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace vesk {

class NoteData;

// "Set Alarm": whether a note has an alarm, the day and time it goes off,
// and what it does then: only bring the note to the top, or play the
// standard sound or a sound file, once or repeated. Run it modally through
// UserPrompts::RunDialog; "Set" accepts it.
class CAlarmDialog : public QDialog {
    Q_OBJECT

public:
    // The positions of the first list.
    enum SoundChoice { kJustBringToTop = 0, kStandardSound = 1, kCustomSound = 2 };
    static constexpr int kMaxSoundFileLength = 259;

    // alarm: the note's alarm, or none when it has none.
    explicit CAlarmDialog(const AlarmData* alarm, QWidget* parent = nullptr);

    // After "Set": whether the note is to have an alarm, and which.
    bool HasAlarm() const { return hasAlarm_; }
    const AlarmData& GetAlarm() const { return alarm_; }
    // After "Set": the note takes the alarm, or loses its own.
    void GiveAlarmTo(NoteData& note) const;

private:
    void ShowAlarm(const AlarmData& alarm);
    void UpdateEnabling();
    void ChooseSoundFile();
    void Set();

    QCheckBox* on_;
    QDateEdit* date_;
    QTimeEdit* time_;
    QComboBox* sound_;
    QComboBox* repeat_;
    QLineEdit* file_;
    QPushButton* browse_;
    bool hasAlarm_;
    AlarmData alarm_;
};

}  // namespace vesk
