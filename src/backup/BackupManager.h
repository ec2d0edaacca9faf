#pragma once

#include <QDialog>
#include <filesystem>

#include "backup/BackupData.h"
#include "backup/BackupOwner.h"

class QListWidget;

namespace vesk {

// The Backup Manager: lists the numbered backups by time, makes one on demand
// and restores one in place of the current notes; its "Manual" group copies
// the notes file to, or loads notes from, a file the user picks. Run it
// modally through UserPrompts::RunDialog. Restoring a listed backup closes it
// with Accepted; "Done" (and Escape) with Rejected.
class CBackupManager : public QDialog {
    Q_OBJECT

public:
    // The controls' command ids; 1 and 2 are the dialog's OK and Cancel.
    enum ControlId : int {
        kRestoreBackupId = 1,
        kDoneId = 2,
        kCreateBackupId = 1009,
        kRefreshListId = 1010,
        kManualCreateId = 1013,
        kManualRestoreId = 1014,
        kBackupListId = 1021,
    };

    // The owner loads a file the user picks in "Manual"; listed backups are
    // restored through the record's own owner, which is the same main frame.
    // The record and the owner must outlive the dialog.
    CBackupManager(BackupData& backups, BackupOwner& owner, std::filesystem::path notesFile,
                   QWidget* parent = nullptr);

    // What a click on the control with that id does (unknown ids: nothing).
    void OnCommand(int id);

private:
    void FillList();
    void OnCreateBackup();
    void OnRestoreBackup();
    void OnManualCreate();
    void OnManualRestore();

    BackupData& backups_;
    BackupOwner& owner_;
    std::filesystem::path notesFile_;
    QListWidget* list_;
};

}  // namespace vesk
