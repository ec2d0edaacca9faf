#pragma once

#include "dialogs/settings/CSettingsPage.h"

namespace vesk {

namespace platform {
class Autostart;
}

// "General": starting at log-in, sounds, the crumple animation, the quick
// action buttons, the tray icon's double-click and the wastebasket's
// emptying. A stored action or policy that no entry stands for leaves its
// list without a choice, and a list without a choice leaves the setting.
class CGeneralSettingsPage : public CSettingsPage {
public:
    CGeneralSettingsPage(SettingsData& settings, platform::Autostart& autostart,
                         QWidget* parent = nullptr);

    void Apply() override;

private:
    platform::Autostart& autostart_;
    QCheckBox* startAtLogIn_;
    QCheckBox* sounds_;
    QCheckBox* crumple_;
    QCheckBox* quickActions_;
    QComboBox* trayAction_;
    QComboBox* emptyWaste_;
};

}  // namespace vesk
