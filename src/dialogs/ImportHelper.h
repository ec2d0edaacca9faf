#pragma once

#include <QDialog>
#include <filesystem>

#include "import/PreviousVersionCopy.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vesk {

namespace platform {
class Autostart;
}

// "Import Helper", offered on the first start when the previous version's
// notes or settings are found: the user picks what comes over, and "Import"
// copies it into the data folder, telling each step and each failure in the
// status line, then closes with OK. The caller reads the copies. Cancel
// copies nothing. Run it modally through UserPrompts::RunDialog.
class CImportHelper : public QDialog {
    Q_OBJECT

public:
    CImportHelper(PreviousVersionFiles found, platform::Autostart& autostart,
                  const std::filesystem::path& previousFolder,
                  const std::filesystem::path& dataFolder, QWidget* parent = nullptr);

    // What "Import" copied, and what it could not.
    const ImportCopies& Copies() const { return copy_.Copies(); }

signals:
    // Each text the status line shows, in turn.
    void StatusChanged(const QString& status);

private:
    void Import();
    void ReplaceLogInEntry();
    void SetStatus(const QString& what);

    platform::Autostart& autostart_;
    PreviousVersionCopy copy_;
    QCheckBox* notes_;
    QCheckBox* settings_;
    QCheckBox* archive_;
    QCheckBox* logIn_;
    QLabel* status_;
    QPushButton* import_;
    QPushButton* cancel_;
};

}  // namespace vesk
