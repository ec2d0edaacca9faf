#pragma once

#include <QDialog>

class QLineEdit;

namespace vesk {

// A name for a theme: a title, a text box of at most 63 characters, OK and
// Cancel. OK with an empty box is refused and the dialog stays open.
class RenameDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxNameLength = 63;

    RenameDialog(const QString& title, const QString& name, QWidget* parent = nullptr);

    QString Name() const;
    QLineEdit& NameBox() { return *name_; }
    void accept() override;

private:
    QLineEdit* name_;
};

}  // namespace vesk
