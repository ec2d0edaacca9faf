#include "dialogs/settings/CBackupSettingsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "dialogs/UserPrompts.h"
#include "settings/SettingsData.h"
#include "xml/TextForms.h"

namespace vesk {
namespace {

constexpr std::int64_t kMinuteMs = 60 * 1000;
// The boxes read at most this many characters.
constexpr int kNumberLength = 20;

QLineEdit* AddNumberBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(kNumberLength);
    box->setMaximumWidth(60);
    return box;
}

std::int32_t ReadNumber(const QLineEdit& box) { return TextToInt(box.text().toStdU16String()); }

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

}  // namespace

CBackupSettingsPage::CBackupSettingsPage(SettingsData& settings,
                                         std::function<void()> openBackupManager, QWidget* parent)
    : CSettingsPage(settings, parent) {
    const BackupData& backups = settings_.GetBackupData();
    const AutoSaveData& autoSave = settings_.GetAutoSaveData();
    backupOn_ =
        AddCheck("backupOn", QStringLiteral("Enable Automatic &Backup"), backups.IsEnabled());
    keepLatest_ =
        AddCheck("keepLatest", QStringLiteral("Only &keep the latest"), backups.GetMaxKeep() >= 1);
    keepCount_ = AddNumberBox(this, "keepCount");
    if (backups.GetMaxKeep() >= 1) keepCount_->setText(QString::number(backups.GetMaxKeep()));
    auto* manager = new QPushButton(QStringLiteral("Open Backup &Manager"), this);
    manager->setObjectName(QStringLiteral("openBackupManager"));
    connect(manager, &QPushButton::clicked, this, std::move(openBackupManager));
    autoSaveOn_ = AddCheck("autoSaveOn", QStringLiteral("Enable &Auto-Save"), autoSave.IsEnabled());
    minutes_ = AddNumberBox(this, "autoSaveMinutes");
    // Whole minutes, at least one: ten seconds show as a minute.
    const std::int64_t shown =
        std::max<std::int64_t>(1, (autoSave.GetInterval() + kMinuteMs / 2) / kMinuteMs);
    minutes_->setText(QString::number(shown));
    auto* note = new QLabel(
        QStringLiteral("Automatic backup creates a backup everytime your notes are saved to disk"),
        this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(backupOn_);
    layout->addLayout(Row({keepLatest_, keepCount_, new QLabel(QStringLiteral("backups"), this)}));
    layout->addWidget(note);
    layout->addLayout(Row({manager}));
    layout->addWidget(autoSaveOn_);
    layout->addLayout(Row({new QLabel(QStringLiteral("Auto-save every"), this), minutes_,
                           new QLabel(QStringLiteral("minutes"), this)}));
    layout->addStretch();

    for (QCheckBox* box : {backupOn_, keepLatest_, autoSaveOn_}) {
        connect(box, &QCheckBox::toggled, this, &CBackupSettingsPage::UpdateEnabling);
    }
    UpdateEnabling();
}

void CBackupSettingsPage::UpdateEnabling() {
    keepCount_->setEnabled(backupOn_->isChecked() && keepLatest_->isChecked());
    minutes_->setEnabled(autoSaveOn_->isChecked());
}

bool CBackupSettingsPage::Validate() {
    // A box left alone stands for the stored interval, which is kept.
    if (!minutes_->isModified() || ReadNumber(*minutes_) > 0) return true;
    UserPrompts::Current().ShowMessage(
        this, QStringLiteral("Auto-save interval must be greater than zero minutes"),
        QStringLiteral("Whoops"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    minutes_->setFocus();
    return false;
}

std::int32_t CBackupSettingsPage::Interval() const {
    if (!minutes_->isModified()) return settings_.GetAutoSaveData().GetInterval();
    return static_cast<std::int32_t>(std::min<std::int64_t>(
        ReadNumber(*minutes_) * kMinuteMs, std::numeric_limits<std::int32_t>::max()));
}

void CBackupSettingsPage::Apply() {
    AutoSaveData& autoSave = settings_.GetAutoSaveData();
    autoSave.SetEnabled(autoSaveOn_->isChecked());
    autoSave.SetInterval(Interval());
    BackupData& backups = settings_.GetBackupData();
    backups.SetEnabled(backupOn_->isChecked());
    backups.SetMaxKeep(keepLatest_->isChecked() ? ReadNumber(*keepCount_) : -1);
}

}  // namespace vesk
