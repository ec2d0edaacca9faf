#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <functional>
#include <memory>

#include "DialogControls.h"
#include "FakeNoteHost.h"
#include "ScopedTimeZone.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "app/AlarmScheduler.h"
#include "dialogs/AlarmDialog.h"
#include "notes/NoteCommands.h"
#include "notewnd/QtFontEngine.h"
#include "platform/ClockWatch.h"

namespace vesk::test {
namespace {

// What the user does in the dialog; the dialog's result.
using Act = std::function<int(QDialog&)>;

// The box, the entries of both lists, then which of date, time, first list,
// second list, sound-file box and "..." are enabled.
QString State(const QDialog& dialog) {
    QString state = QStringLiteral("%1 %2 %3 ")
                        .arg(Find<QCheckBox>(dialog, "alarmOn").isChecked() ? "on" : "off",
                             Find<QComboBox>(dialog, "sound").currentText(),
                             Find<QComboBox>(dialog, "repeat").currentText());
    for (const char* name : {"date", "time", "sound", "repeat", "soundFile", "browse"}) {
        state += Find<QWidget>(dialog, name).isEnabled() ? u'1' : u'0';
    }
    return state;
}

// On the 1st of July 2031 at 12:00:05, with the choices given.
Act SetOnFirstOfJuly(int sound, int repeat) {
    return [=](QDialog& dialog) {
        Find<QCheckBox>(dialog, "alarmOn").setChecked(true);
        Find<QDateEdit>(dialog, "date").setDate({2031, 7, 1});
        Find<QTimeEdit>(dialog, "time").setTime({12, 0, 5});
        Find<QComboBox>(dialog, "sound").setCurrentIndex(sound);
        Find<QComboBox>(dialog, "repeat").setCurrentIndex(repeat);
        Find<QPushButton>(dialog, "browse").click();
        Find<QPushButton>(dialog, "set").click();
        return dialog.result();
    };
}

class DueAlarms : public AlarmOwner {
public:
    void OnAlarmDue(std::uint32_t noteId) override { fired << noteId; }
    QList<std::uint32_t> fired;
};

}  // namespace
}  // namespace vesk::test

Q_DECLARE_METATYPE(vesk::test::Act)
Q_DECLARE_METATYPE(vesk::AlarmData)

namespace vesk::test {
namespace {

class AlarmDialogTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    FakeNoteHost host_;
    // Summer time on the 1st of July: 16:00:05 UTC.
    static constexpr TimeValue kJuly = 1'940'688'005;
    const AlarmData standardOnce_{kJuly + 3600, AlarmData::kRepeatOnce, u""};

private slots:
    void initTestCase() { UseTestFonts(engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }

    void enablingFollowsTheBoxAndTheFirstList() {
        const ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
        CAlarmDialog fresh(nullptr);
        QCOMPARE(State(fresh), "off play standard alarm sound. Once 000000");
        QCOMPARE(Find<QDateEdit>(fresh, "date").date(), QDate::currentDate());
        Find<QCheckBox>(fresh, "alarmOn").setChecked(true);
        QCOMPARE(State(fresh), "on play standard alarm sound. Once 111100");
        Find<QComboBox>(fresh, "sound").setCurrentIndex(CAlarmDialog::kCustomSound);
        QCOMPARE(State(fresh), "on play custom alarm sound. Once 111111");
        Find<QComboBox>(fresh, "sound").setCurrentIndex(CAlarmDialog::kJustBringToTop);
        QCOMPARE(State(fresh), "on just bring note to top. Once 111000");
        Find<QCheckBox>(fresh, "alarmOn").setChecked(false);
        QCOMPARE(State(fresh), "off just bring note to top. Once 000000");

        const AlarmData toTop{kJuly, AlarmData::kRepeatNone, u"/ring.wav"};
        CAlarmDialog bringToTop(&toTop);
        QCOMPARE(State(bringToTop), "on just bring note to top. Once 111000");
        QCOMPARE(Find<QDateEdit>(bringToTop, "date").date(), QDate(2031, 7, 1));
        QCOMPARE(Find<QTimeEdit>(bringToTop, "time").time(), QTime(12, 0, 5));
        const AlarmData custom{kJuly, AlarmData::kRepeatLoop, u"/ring.wav"};
        CAlarmDialog customSound(&custom);
        QCOMPARE(State(customSound), "on play custom alarm sound. Repeat 111111");
        QCOMPARE(Find<QLineEdit>(customSound, "soundFile").text(), "/ring.wav");
        CAlarmDialog standard(&standardOnce_);
        QCOMPARE(State(standard), "on play standard alarm sound. Once 111100");
    }

    void eachChoiceGivesItsAlarm_data() {
        QTest::addColumn<Act>("act");
        QTest::addColumn<bool>("hasAlarm");
        QTest::addColumn<AlarmData>("expected");
        QTest::addColumn<QStringList>("queued");
        const QStringList again{"-7", "+7"};
        QTest::newRow("just bring note to top")
            << SetOnFirstOfJuly(CAlarmDialog::kJustBringToTop, 1) << true
            << AlarmData{kJuly, AlarmData::kRepeatNone, u""} << again;
        QTest::newRow("standard sound repeated")
            << SetOnFirstOfJuly(CAlarmDialog::kStandardSound, 1) << true
            << AlarmData{kJuly, AlarmData::kRepeatLoop, u""} << again;
        QTest::newRow("chosen sound file once")
            << SetOnFirstOfJuly(CAlarmDialog::kCustomSound, 0) << true
            << AlarmData{kJuly, AlarmData::kRepeatOnce, u"/sounds/ring.wav"} << again;
        QTest::newRow("box cleared") << Act([](QDialog& dialog) {
            Find<QCheckBox>(dialog, "alarmOn").setChecked(false);
            Find<QPushButton>(dialog, "set").click();
            return dialog.result();
        }) << false << AlarmData() << QStringList{"-7"};
        QTest::newRow("cancelled") << Act([](QDialog& dialog) {
            SetOnFirstOfJuly(CAlarmDialog::kCustomSound, 1)(dialog);
            return int(QDialog::Rejected);
        }) << true << standardOnce_ << QStringList();
    }

    void eachChoiceGivesItsAlarm() {
        QFETCH(Act, act);
        QFETCH(bool, hasAlarm);
        QFETCH(AlarmData, expected);
        QFETCH(QStringList, queued);
        const ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
        host_ = {};
        ScriptedPrompts prompts;
        prompts.fileNames = {"/sounds/ring.wav"};
        prompts.dialogs = {act};
        auto note = MakeNote({100, 100, 300, 300});
        note->EnableAlarm(true);
        *note->GetAlarm() = standardOnce_;
        CVeskNoteWnd window(7, std::move(note), host_);
        window.CreateNoteWindow();
        window.SendCommand(NoteCommand::kSetAlarm);
        QCOMPARE(prompts.dialogTitles, QStringList{"Set Alarm"});
        QCOMPARE(window.GetNoteData().GetAlarm() != nullptr, hasAlarm);
        if (hasAlarm) QCOMPARE(*window.GetNoteData().GetAlarm(), expected);
        QCOMPARE(host_.alarms, queued);
    }

    // Set for the second of the earliest alarm, at most a minute ahead,
    // whenever the alarms or the clock change.
    void theTimerWaitsForTheEarliestAlarm() {
        std::int64_t nowMs = 1'000'000'250;
        DueAlarms due;
        platform::ClockWatch clock;
        AlarmScheduler alarms(due, &clock, [&] { return nowMs; });
        const AlarmData soon{1'000'010, AlarmData::kRepeatOnce, u""};
        const AlarmData later{1'000'500, AlarmData::kRepeatOnce, u""};
        alarms.Schedule(1, &soon);
        QCOMPARE(alarms.ArmedWait(), std::nullopt);
        alarms.Start();
        QCOMPARE(alarms.ArmedWait(), 9'750);
        alarms.Schedule(2, &later);
        alarms.Unschedule(1);
        QCOMPARE(alarms.ArmedWait(), 60'000);
        // The clock is put past the alarm: it fires at once.
        nowMs = 1'000'600'000;
        emit clock.ClockChanged();
        QTRY_COMPARE(due.fired, QList<std::uint32_t>{2});
        QCOMPARE(alarms.ArmedWait(), 60'000);
    }
};

const RegisterUiTest<AlarmDialogTest> registered;

}  // namespace
}  // namespace vesk::test

#include "AlarmDialogTest.moc"
