#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QTabWidget;

namespace vesk {

namespace platform {
class Autostart;
}
class CSettingsPage;
class SettingsData;

// "Settings": the General, Appearance, Hot Keys and Backup pages over the
// program's one settings object. OK first has every page check its input,
// so that a refusal leaves every setting as it was, then has the pages write
// in the order Hot Keys, General, Backup, Appearance. Run it modally through
// UserPrompts::RunDialog.
class CSettingsSheet : public QDialog {
    Q_OBJECT

public:
    CSettingsSheet(SettingsData& settings, platform::Autostart& autostart,
                   std::function<void()> openBackupManager, QWidget* parent = nullptr);

    void accept() override;

    QTabWidget& Pages() { return *pages_; }

private:
    QTabWidget* pages_;
    // In the order OK goes through them.
    std::array<CSettingsPage*, 4> applyOrder_{};
};

}  // namespace vesk
