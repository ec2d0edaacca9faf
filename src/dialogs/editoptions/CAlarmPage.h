#pragma once

#include <QString>
#include <string>

#include "dialogs/editoptions/CEditPage.h"

class QLabel;
class QPushButton;

namespace vesk {

struct AlarmData;

// The two lines that tell of a note's alarm: whether one is set and, when
// it is, its day in the date format given and its time of day.
QString AlarmSetText(const AlarmData* alarm);
QString AlarmTimeText(const AlarmData* alarm, const std::u16string& dateFormat);

// The note's alarm, and "Set" to change or remove it in the Set Alarm
// dialog. The alarm queue hears of it when the edit is done.
class CAlarmPage : public CEditPage {
    Q_OBJECT

public:
    CAlarmPage(CVeskNoteWnd& note, NoteHost& host);

    const QLabel& SetLine() const { return *setLine_; }
    const QLabel& TimeLine() const { return *timeLine_; }
    QPushButton& Set() { return *set_; }

private:
    void ShowAlarm();
    void SetAlarm();

    QLabel* setLine_;
    QLabel* timeLine_;
    QPushButton* set_;
};

}  // namespace vesk
