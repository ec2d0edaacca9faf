#include "dialogs/themes/RenameDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/UserPrompts.h"

namespace vesk {

RenameDialog::RenameDialog(const QString& title, const QString& name, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)) {
    setWindowTitle(title);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(kMaxNameLength);
    name_->setText(name);
    name_->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RenameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RenameDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addWidget(buttons);
}

QString RenameDialog::Name() const { return name_->text(); }

void RenameDialog::accept() {
    if (name_->text().isEmpty()) {
        UserPrompts::Current().ShowMessage(
            this, QStringLiteral("You need to name it something, idiot!"), QStringLiteral("Whoops"),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace vesk
