#include "dialogs/editoptions/CAlarmPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AlarmData.h"
#include "dialogs/AlarmDialog.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/UserPrompts.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteHost.h"
#include "settings/SettingsData.h"
#include "xml/LocalTimeFormat.h"

namespace vesk {

QString AlarmSetText(const AlarmData* alarm) {
    return alarm == nullptr ? QStringLiteral("No alarm is set")
                            : QStringLiteral("Alarm is set for");
}

QString AlarmTimeText(const AlarmData* alarm, const std::u16string& dateFormat) {
    if (alarm == nullptr) {
        return {};
    }
    QString text =
        QString::fromStdU16String(FormatLocalTime(alarm->time, dateFormat + u", %I:%M %p"));
    if (text.startsWith(u' ')) {
        text.remove(0, 1);
    }
    return text;
}

CAlarmPage::CAlarmPage(CVeskNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("Alarm"), QStringLiteral("Alarm"), "alarm"),
      setLine_(new QLabel(this)),
      timeLine_(new QLabel(this)),
      set_(new QPushButton(QStringLiteral("Set"), this)) {
    set_->setAutoDefault(false);
    connect(set_, &QPushButton::clicked, this, &CAlarmPage::SetAlarm);
    ShowAlarm();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setLine_);
    layout->addWidget(timeLine_);
    layout->addWidget(set_, 0, Qt::AlignLeft);
    layout->addStretch();
}

void CAlarmPage::ShowAlarm() {
    const AlarmData* alarm = Record().GetAlarm();
    setLine_->setText(AlarmSetText(alarm));
    timeLine_->setText(AlarmTimeText(alarm, Host().GetSettings().GetDateFormat()));
}

void CAlarmPage::SetAlarm() {
    MadeDialog dialog(new CAlarmDialog(Record().GetAlarm(), this));
    if (UserPrompts::Current().RunDialog(*dialog) != QDialog::Accepted || dialog.Gone()) {
        return;
    }
    dialog->GiveAlarmTo(Record());
    ShowAlarm();
    // The alarm clock in the title bar.
    Note().Repaint();
}

}  // namespace vesk
