#pragma once

#include <cstdint>
#include <functional>

#include "dialogs/settings/CSettingsPage.h"

class QLineEdit;

namespace vesk {

// "Backup": backups on or off and how many are kept, the Backup Manager, and
// auto-save with its interval in whole minutes. The interval is stored in
// milliseconds: an interval box the user leaves alone keeps the stored value
// exactly, however it shows in minutes; one typed into must hold at least 1.
class CBackupSettingsPage : public CSettingsPage {
public:
    CBackupSettingsPage(SettingsData& settings, std::function<void()> openBackupManager,
                        QWidget* parent = nullptr);

    bool Validate() override;
    void Apply() override;

private:
    void UpdateEnabling();
    // The interval to store, in milliseconds.
    std::int32_t Interval() const;

    QCheckBox* backupOn_;
    QCheckBox* keepLatest_;
    QLineEdit* keepCount_;
    QCheckBox* autoSaveOn_;
    QLineEdit* minutes_;
};

}  // namespace vesk
