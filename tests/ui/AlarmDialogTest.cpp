#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>

#include "FakeNoteHost.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "app/AlarmScheduler.h"
#include "dialogs/AlarmDialog.h"
#include "notes/NoteCommands.h"
#include "notewnd/QtFontEngine.h"
#include "platform/ClockWatch.h"
#include "xml/TextForms.h"

namespace vesk::test {
namespace {

struct Controls {
    QCheckBox* on;
    QDateEdit* date;
    QTimeEdit* time;
    QComboBox* sound;
    QComboBox* repeat;
    QLineEdit* file;
    QPushButton* browse;

    explicit Controls(const QDialog& dialog)
        : on(dialog.findChild<QCheckBox*>("alarmOn")),
          date(dialog.findChild<QDateEdit*>("date")),
          time(dialog.findChild<QTimeEdit*>("time")),
          sound(dialog.findChild<QComboBox*>("sound")),
          repeat(dialog.findChild<QComboBox*>("repeat")),
          file(dialog.findChild<QLineEdit*>("soundFile")),
          browse(dialog.findChild<QPushButton*>("browse")) {}

    // The box's state, the two lists' entries, then which of date, time,
    // first list, second list, sound-file box and "..." are enabled.
    QString State() const {
        QString state =
            QStringLiteral("%1 %2 %3 ")
                .arg(on->isChecked() ? "on" : "off", sound->currentText(), repeat->currentText());
        for (const QWidget* control :
             {static_cast<QWidget*>(date), static_cast<QWidget*>(time),
              static_cast<QWidget*>(sound), static_cast<QWidget*>(repeat),
              static_cast<QWidget*>(file), static_cast<QWidget*>(browse)}) {
            state += control->isEnabled() ? u'1' : u'0';
        }
        return state;
    }
};

// A zone with daylight saving, for the time the fields give.
class EasternTime {
public:
    EasternTime() : old_(qgetenv("TZ")) {
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }
    ~EasternTime() {
        old_.isNull() ? qunsetenv("TZ") : qputenv("TZ", old_);
        tzset();
    }

private:
    QByteArray old_;
};

using Act = std::function<void(Controls&)>;

}  // namespace
}  // namespace vesk::test

Q_DECLARE_METATYPE(vesk::test::Act)
Q_DECLARE_METATYPE(vesk::AlarmData)

namespace vesk::test {
namespace {

// Records the alarms as they fall due.
class DueAlarms : public AlarmOwner {
public:
    void OnAlarmDue(std::uint32_t noteId) override { fired << noteId; }
    QList<std::uint32_t> fired;
};

class AlarmDialogTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    FakeNoteHost host_;
    std::unique_ptr<CVeskNoteWnd> window_;

    CVeskNoteWnd& Create(std::optional<AlarmData> alarm) {
        auto note = MakeNote({100, 100, 300, 300});
        if (alarm) {
            note->EnableAlarm(true);
            *note->GetAlarm() = *alarm;
        }
        window_ = std::make_unique<CVeskNoteWnd>(7, std::move(note), host_);
        window_->CreateNoteWindow();
        return *window_;
    }

private slots:
    void initTestCase() { UseTestFonts(engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }
    void init() { host_ = {}; }
    void cleanup() { window_.reset(); }

    void enablingFollowsTheBoxAndTheFirstList() {
        const EasternTime zone;
        CAlarmDialog none(nullptr);
        Controls fresh(none);
        QCOMPARE(fresh.State(), "off play standard alarm sound. Once 000000");
        QCOMPARE(fresh.date->date(), QDate::currentDate());
        fresh.on->setChecked(true);
        QCOMPARE(fresh.State(), "on play standard alarm sound. Once 111100");
        fresh.sound->setCurrentIndex(CAlarmDialog::kCustomSound);
        QCOMPARE(fresh.State(), "on play custom alarm sound. Once 111111");
        fresh.sound->setCurrentIndex(CAlarmDialog::kJustBringToTop);
        QCOMPARE(fresh.State(), "on just bring note to top. Once 111000");
        fresh.on->setChecked(false);
        QCOMPARE(fresh.State(), "off just bring note to top. Once 000000");

        const TimeValue time = TextToTime(u"2031-07-01 12:00:05");
        const AlarmData silent{time, AlarmData::kRepeatNone, u"/sounds/ring.wav"};
        CAlarmDialog bringToTop(&silent);
        Controls opened(bringToTop);
        QCOMPARE(opened.State(), "on just bring note to top. Once 111000");
        QCOMPARE(opened.date->date(), QDate(2031, 7, 1));
        QCOMPARE(opened.time->time(), QTime(12, 0, 5));
        const AlarmData custom{time, AlarmData::kRepeatLoop, u"/sounds/ring.wav"};
        CAlarmDialog customSound(&custom);
        Controls withFile(customSound);
        QCOMPARE(withFile.State(), "on play custom alarm sound. Repeat 111111");
        QCOMPARE(withFile.file->text(), "/sounds/ring.wav");
        const AlarmData standard{time, AlarmData::kRepeatOnce, u""};
        CAlarmDialog standardSound(&standard);
        QCOMPARE(Controls(standardSound).State(), "on play standard alarm sound. Once 111100");
    }

    void eachChoiceGivesItsAlarm_data() {
        QTest::addColumn<Act>("act");
        QTest::addColumn<AlarmData>("expected");
        const auto at = [](Controls& c, QDate date, QTime time) {
            c.on->setChecked(true);
            c.date->setDate(date);
            c.time->setTime(time);
        };
        // Summer time, then winter time, in the eastern zone.
        const TimeValue summer = 1940688005;  // 2031-07-01 16:00:05 UTC
        const TimeValue winter = 1926248405;  // 2031-01-15 13:00:05 UTC
        QTest::newRow("just bring note to top") << Act([=](Controls& c) {
            at(c, {2031, 7, 1}, {12, 0, 5});
            c.sound->setCurrentIndex(CAlarmDialog::kJustBringToTop);
            c.file->setText("/sounds/ring.wav");
        }) << AlarmData{summer, AlarmData::kRepeatNone, u""};
        QTest::newRow("standard sound repeated") << Act([=](Controls& c) {
            at(c, {2031, 1, 15}, {8, 0, 5});
            c.repeat->setCurrentIndex(1);
        }) << AlarmData{winter, AlarmData::kRepeatLoop, u""};
        QTest::newRow("chosen sound file once") << Act([=](Controls& c) {
            at(c, {2031, 7, 1}, {12, 0, 5});
            c.sound->setCurrentIndex(CAlarmDialog::kCustomSound);
            c.browse->click();
        }) << AlarmData{summer, AlarmData::kRepeatOnce, u"/sounds/ring.wav"};
    }

    void eachChoiceGivesItsAlarm() {
        QFETCH(Act, act);
        QFETCH(AlarmData, expected);
        const EasternTime zone;
        ScriptedPrompts prompts;
        prompts.fileNames = {"/sounds/ring.wav"};
        prompts.dialogs = {[&](QDialog& dialog) {
            Controls controls(dialog);
            act(controls);
            dialog.findChild<QPushButton*>("set")->click();
            return dialog.result();
        }};
        CVeskNoteWnd& window = Create(std::nullopt);
        window.SendCommand(NoteCommand::kSetAlarm);
        QCOMPARE(prompts.dialogTitles, QStringList{"Set Alarm"});
        QVERIFY(window.GetNoteData().GetAlarm() != nullptr);
        QCOMPARE(*window.GetNoteData().GetAlarm(), expected);
        QCOMPARE(host_.alarms, (QStringList{"-7", "+7"}));
        QCOMPARE(host_.changes, 1);
        for (const QString& filter : prompts.fileFilters) {
            QCOMPARE(filter, "Sound Files (*.mp3,*.wav)|*.mp3;*.wav|All Files (*.*)|*.*||");
        }
    }

    void clearingTheBoxRemovesTheAlarmAndCancelKeepsIt() {
        const AlarmData alarm{TextToTime(u"2031-07-01 12:00:05"), AlarmData::kRepeatOnce, u""};
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog& dialog) {
                               Controls(dialog).on->setChecked(false);
                               return QDialog::Rejected;
                           },
                           [](QDialog& dialog) {
                               Controls(dialog).on->setChecked(false);
                               dialog.findChild<QPushButton*>("set")->click();
                               return dialog.result();
                           }};
        CVeskNoteWnd& window = Create(alarm);
        window.SendCommand(NoteCommand::kSetAlarm);
        QCOMPARE(*window.GetNoteData().GetAlarm(), alarm);
        QVERIFY(host_.alarms.isEmpty());
        window.SendCommand(NoteCommand::kSetAlarm);
        QVERIFY(window.GetNoteData().GetAlarm() == nullptr);
        QCOMPARE(host_.alarms, QStringList{"-7"});
    }

    // The timer is set for the second of the earliest alarm, at most a
    // minute ahead, whenever the alarms or the clock change.
    void theTimerWaitsForTheEarliestAlarm() {
        std::int64_t nowMs = 1'000'000'250;
        DueAlarms due;
        platform::ClockWatch clock;
        AlarmScheduler alarms(due, &clock, [&] { return nowMs; });
        const AlarmData soon{1'000'010, AlarmData::kRepeatOnce, u""};
        alarms.Schedule(1, &soon);
        QCOMPARE(alarms.ArmedWait(), std::nullopt);
        alarms.Start();
        QCOMPARE(alarms.ArmedWait(), 9'750);
        const AlarmData later{1'000'500, AlarmData::kRepeatOnce, u""};
        alarms.Schedule(2, &later);
        alarms.Unschedule(1);
        QCOMPARE(alarms.ArmedWait(), 60'000);

        // The clock is put forward past the alarm: it fires at once.
        nowMs = 1'000'600'000;
        emit clock.ClockChanged();
        QCOMPARE(alarms.ArmedWait(), 0);
        QTRY_COMPARE(due.fired, QList<std::uint32_t>{2});
        QCOMPARE(alarms.ArmedWait(), 60'000);
        alarms.Stop();
        QCOMPARE(alarms.ArmedWait(), std::nullopt);
    }
};

const RegisterUiTest<AlarmDialogTest> registered;

}  // namespace
}  // namespace vesk::test

#include "AlarmDialogTest.moc"
