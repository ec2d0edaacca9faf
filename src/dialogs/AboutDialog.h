#pragma once

#include <QDialog>
#include <QString>

namespace vesk {

// The version this build carries, as "4.0.0".
QString ProgramVersion();

// "About vesk notes 4": the program's icon, name, version and what it is,
// with an OK button. Run it modally through UserPrompts::RunDialog.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace vesk
