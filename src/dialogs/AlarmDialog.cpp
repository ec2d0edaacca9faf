#include "dialogs/AlarmDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <ctime>

#include "dialogs/UserPrompts.h"
#include "notes/NoteData.h"
#include "xml/LocalTime.h"

namespace vesk {
namespace {

const QString kSoundFileFilter =
    QStringLiteral("Sound Files (*.mp3,*.wav)|*.mp3;*.wav|All Files (*.*)|*.*||");

// The locale's short date with the century: a two-digit year could not
// reach past the next few decades.
QString DateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

// The locale's time with seconds, without the zone's name, which the field
// cannot edit.
QString TimeFormat() {
    return QLocale()
        .timeFormat(QLocale::LongFormat)
        .remove(QRegularExpression(QStringLiteral("\\s*t+$")));
}

QComboBox* AddList(QWidget* parent, const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(entries);
    return list;
}

QLabel* AddLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CAlarmDialog::CAlarmDialog(const AlarmData* alarm, QWidget* parent)
    : QDialog(parent), hasAlarm_(alarm != nullptr), alarm_(alarm ? *alarm : AlarmData()) {
    setWindowTitle(QStringLiteral("Set Alarm"));

    on_ = new QCheckBox(QStringLiteral("Alarm goes &off on"), this);
    on_->setObjectName(QStringLiteral("alarmOn"));
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setDisplayFormat(DateFormat());
    date_->setCalendarPopup(true);
    time_ = new QTimeEdit(this);
    time_->setObjectName(QStringLiteral("time"));
    time_->setDisplayFormat(TimeFormat());
    sound_ = AddList(
        this, QStringLiteral("sound"),
        {QStringLiteral("just bring note to top."), QStringLiteral("play standard alarm sound."),
         QStringLiteral("play custom alarm sound.")});
    repeat_ =
        AddList(this, QStringLiteral("repeat"), {QStringLiteral("Once"), QStringLiteral("Repeat")});
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("soundFile"));
    file_->setMaxLength(kMaxSoundFileLength);
    browse_ = new QPushButton(QStringLiteral("..."), this);
    browse_->setObjectName(QStringLiteral("browse"));
    auto* set = new QPushButton(QStringLiteral("Set"), this);
    set->setObjectName(QStringLiteral("set"));
    set->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(on_, 0, 0);
    grid->addWidget(date_, 0, 1);
    grid->addWidget(AddLabel(this, QStringLiteral("&at"), time_), 0, 2);
    grid->addWidget(time_, 0, 3);
    grid->addWidget(AddLabel(this, QStringLiteral("&When alarm goes off"), sound_), 1, 0);
    grid->addWidget(sound_, 1, 1);
    grid->addWidget(repeat_, 1, 2, 1, 2);
    grid->addWidget(AddLabel(this, QStringLiteral("Sound &file:"), file_), 2, 0);
    grid->addWidget(file_, 2, 1, 1, 2);
    grid->addWidget(browse_, 2, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(set);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Without an alarm the fields start at the present moment and the lists
    // at the standard sound, once.
    const QDateTime now = QDateTime::currentDateTime();
    date_->setDate(now.date());
    time_->setTime(now.time());
    sound_->setCurrentIndex(kStandardSound);
    if (alarm != nullptr) {
        ShowAlarm(*alarm);
    }
    on_->setChecked(hasAlarm_);
    UpdateEnabling();
    on_->setFocus();

    connect(on_, &QCheckBox::toggled, this, &CAlarmDialog::UpdateEnabling);
    connect(sound_, &QComboBox::currentIndexChanged, this, &CAlarmDialog::UpdateEnabling);
    connect(browse_, &QPushButton::clicked, this, &CAlarmDialog::ChooseSoundFile);
    connect(set, &QPushButton::clicked, this, &CAlarmDialog::Set);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CAlarmDialog::ShowAlarm(const AlarmData& alarm) {
    std::tm local{};
    if (ToLocalTime(alarm.time, local)) {
        date_->setDate(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
        time_->setTime(QTime(local.tm_hour, local.tm_min, local.tm_sec));
    }
    if (alarm.repeat == AlarmData::kRepeatNone) {
        sound_->setCurrentIndex(kJustBringToTop);
    } else {
        sound_->setCurrentIndex(alarm.soundfile.empty() ? kStandardSound : kCustomSound);
        file_->setText(QString::fromStdU16String(alarm.soundfile));
        repeat_->setCurrentIndex(alarm.repeat == AlarmData::kRepeatOnce ? 0 : 1);
    }
}

void CAlarmDialog::UpdateEnabling() {
    const bool on = on_->isChecked();
    const int choice = sound_->currentIndex();
    date_->setEnabled(on);
    time_->setEnabled(on);
    sound_->setEnabled(on);
    repeat_->setEnabled(on && choice != kJustBringToTop);
    file_->setEnabled(on && choice == kCustomSound);
    browse_->setEnabled(on && choice == kCustomSound);
}

void CAlarmDialog::ChooseSoundFile() {
    // Given the current file, the chooser opens in its folder.
    const QString chosen = UserPrompts::Current().GetOpenFileName(
        this, QStringLiteral("Choose Alarm Sound"), file_->text(), kSoundFileFilter);
    if (!chosen.isEmpty()) {
        file_->setText(chosen);
    }
}

void CAlarmDialog::GiveAlarmTo(NoteData& note) const {
    note.EnableAlarm(hasAlarm_);
    if (AlarmData* alarm = note.GetAlarm()) {
        *alarm = alarm_;
    }
}

void CAlarmDialog::Set() {
    hasAlarm_ = on_->isChecked();
    if (hasAlarm_) {
        const QDate date = date_->date();
        const QTime time = time_->time();
        std::tm local{};
        local.tm_year = date.year() - 1900;
        local.tm_mon = date.month() - 1;
        local.tm_mday = date.day();
        local.tm_hour = time.hour();
        local.tm_min = time.minute();
        local.tm_sec = time.second();
        alarm_.time = FromLocalTime(local).value_or(alarm_.time);
        const int choice = sound_->currentIndex();
        const bool once = repeat_->currentIndex() == 0;
        alarm_.repeat = choice == kJustBringToTop ? AlarmData::kRepeatNone
                        : once                    ? AlarmData::kRepeatOnce
                                                  : AlarmData::kRepeatLoop;
        alarm_.soundfile =
            choice == kCustomSound ? file_->text().toStdU16String() : std::u16string();
    }
    accept();
}

}  // namespace vesk
