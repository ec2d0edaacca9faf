#include "backup/BackupManager.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "backup/BackupList.h"
#include "dialogs/UserPrompts.h"
#include "xml/FileIO.h"

namespace vesk {
namespace {

constexpr int kTimeRole = Qt::UserRole;

const QString kFileFilter = QStringLiteral("XML File (Backup) (*.") + QStringLiteral("xml") +
                            QStringLiteral(")|*.") + QStringLiteral("xml") +
                            QStringLiteral("|All Files (*.*)|*.*||");

void Tell(QWidget* parent, const QString& text, const QString& caption, UserPrompts::Icon icon) {
    UserPrompts::Current().ShowMessage(parent, text, caption, UserPrompts::Buttons::Ok, icon);
}

bool ConfirmRestore(QWidget* parent) {
    return UserPrompts::Current().ShowMessage(
               parent,
               QStringLiteral("All of your current desktop notes will be lost when you restore to "
                              "this backup point? You sure about that?"),
               QStringLiteral("Warning"), UserPrompts::Buttons::YesNo,
               UserPrompts::Icon::Warning) != UserPrompts::Answer::No;
}

void TellRestoreOutcome(QWidget* parent, bool restored) {
    if (restored) {
        Tell(parent, QStringLiteral("Backup restored successfully?"), QStringLiteral("Gooood"),
             UserPrompts::Icon::Information);
    } else {
        Tell(parent, QStringLiteral("Unable to load backup file"), QStringLiteral("Not good"),
             UserPrompts::Icon::Critical);
    }
}

void TellBackupFailed(QWidget* parent) {
    Tell(parent, QStringLiteral("Couldn't save backup"), QStringLiteral("Error"),
         UserPrompts::Icon::Critical);
}

// A name typed without an extension gets the chooser's default, ".xml".
QString WithDefaultExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".xml") : path;
}

std::filesystem::path ToPath(const QString& path) { return WideToPath(path.toStdU16String()); }

}  // namespace

CBackupManager::CBackupManager(BackupData& backups, BackupOwner& owner,
                               std::filesystem::path notesFile, QWidget* parent)
    : QDialog(parent),
      backups_(backups),
      owner_(owner),
      notesFile_(std::move(notesFile)),
      list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Backup Manager"));

    auto* intro = new QLabel(QStringLiteral("Restore a backup of your desktop and wastebasket "
                                            "notes. Warning: Restoring a backup will erase your "
                                            "current notes!"),
                             this);
    intro->setWordWrap(true);

    list_->setObjectName(QStringLiteral("backupList"));
    list_->setSortingEnabled(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto button = [this](const QString& text, const char* name, int id) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        return made;
    };
    QPushButton* restore =
        button(QStringLiteral("Restore Backup"), "restoreBackup", kRestoreBackupId);
    restore->setDefault(true);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(
        button(QStringLiteral("Create Backup"), "createBackup", kCreateBackupId));
    listButtons->addWidget(restore);
    listButtons->addWidget(button(QStringLiteral("Refresh List"), "refreshList", kRefreshListId));
    listButtons->addStretch();

    auto* manual = new QGroupBox(QStringLiteral("Manual"), this);
    auto* manualButtons = new QHBoxLayout(manual);
    manualButtons->addWidget(
        button(QStringLiteral("Create Backup"), "manualCreate", kManualCreateId));
    manualButtons->addWidget(button(QStringLiteral("Restore "), "manualRestore", kManualRestoreId));

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listButtons);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(manual);
    bottomRow->addStretch();
    bottomRow->addWidget(button(QStringLiteral("Done"), "done", kDoneId), 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(listRow, 1);
    layout->addLayout(bottomRow);

    FillList();
}

void CBackupManager::OnCommand(int id) {
    switch (id) {
        case kRestoreBackupId:
            OnRestoreBackup();
            break;
        case kDoneId:
            reject();
            break;
        case kCreateBackupId:
            OnCreateBackup();
            break;
        case kRefreshListId:
            FillList();
            break;
        case kManualCreateId:
            OnManualCreate();
            break;
        case kManualRestoreId:
            OnManualRestore();
            break;
        default:
            break;
    }
}

void CBackupManager::FillList() {
    list_->clear();
    auto entry = backups_.GetBackups().begin();
    for (const std::u16string& text : BackupListTexts(backups_)) {
        auto* item = new QListWidgetItem(QString::fromStdU16String(text));
        // Each line keeps its time rather than reading its text back: when
        // the clocks go back, one local time names two different seconds.
        if (entry != backups_.GetBackups().end()) {
            item->setData(kTimeRole, QVariant::fromValue<qint64>(entry->first));
            ++entry;
        }
        list_->addItem(item);
    }
}

void CBackupManager::OnCreateBackup() {
    if (!backups_.CreateBackup(notesFile_)) {
        TellBackupFailed(this);
        return;
    }
    Tell(this, QStringLiteral("Backup saved successfully"), QStringLiteral("Sweetness"),
         UserPrompts::Icon::Information);
    FillList();
}

void CBackupManager::OnRestoreBackup() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        Tell(this, QStringLiteral("You need to select a backup first"), QStringLiteral("Do it"),
             UserPrompts::Icon::Warning);
        return;
    }
    const QVariant listed = selected.front()->data(kTimeRole);
    const TimeValue time = listed.toLongLong();
    if (!listed.isValid() || backups_.FindBackup(time).empty()) {
        Tell(this,
             QStringLiteral("That backup was not found. The backup list may be out of sync with "
                            "the backup folder. Click \"Refresh\" to update the list"),
             QStringLiteral("It's Not There"), UserPrompts::Icon::Warning);
        return;
    }
    if (!ConfirmRestore(this)) return;
    TellRestoreOutcome(this, backups_.RestoreBackup(time));
    accept();
}

void CBackupManager::OnManualCreate() {
    const QString chosen = UserPrompts::Current().GetSaveFileName(this, QStringLiteral("Save As"),
                                                                  QDir::homePath(), kFileFilter);
    if (chosen.isEmpty()) return;
    // Written whole or not at all, so a failed copy never spoils an earlier
    // backup under that name; and a failure is said, not passed off as a copy.
    std::string bytes;
    if (!ReadFileBytes(notesFile_, bytes) ||
        !WriteFileAtomically(ToPath(WithDefaultExtension(chosen)), bytes)) {
        TellBackupFailed(this);
    }
}

void CBackupManager::OnManualRestore() {
    const QString chosen = UserPrompts::Current().GetOpenFileName(this, QStringLiteral("Open"),
                                                                  QDir::homePath(), kFileFilter);
    if (chosen.isEmpty() || !ConfirmRestore(this)) return;
    TellRestoreOutcome(this, owner_.LoadNotes(ToPath(chosen)));
}

}  // namespace vesk
