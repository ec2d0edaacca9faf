#include "dialogs/settings/CSettingsSheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/settings/CAppearSettingsPage.h"
#include "dialogs/settings/CBackupSettingsPage.h"
#include "dialogs/settings/CGeneralSettingsPage.h"
#include "dialogs/settings/CHotKeySettingsPage.h"

namespace vesk {

CSettingsSheet::CSettingsSheet(SettingsData& settings, platform::Autostart& autostart,
                               std::function<void()> openBackupManager, QWidget* parent)
    : QDialog(parent), pages_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Settings"));
    pages_->setObjectName(QStringLiteral("pages"));
    auto* general = new CGeneralSettingsPage(settings, autostart);
    auto* appearance = new CAppearSettingsPage(settings);
    auto* hotKeys = new CHotKeySettingsPage(settings);
    auto* backup = new CBackupSettingsPage(settings, std::move(openBackupManager));
    pages_->addTab(general, QStringLiteral("General"));
    pages_->addTab(appearance, QStringLiteral("Appearance"));
    pages_->addTab(hotKeys, QStringLiteral("Hot Keys"));
    pages_->addTab(backup, QStringLiteral("Backup"));
    applyOrder_ = {hotKeys, general, backup, appearance};

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSettingsSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

void CSettingsSheet::accept() {
    for (CSettingsPage* page : applyOrder_) {
        if (!page->Validate()) {
            pages_->setCurrentWidget(page);
            return;
        }
    }
    for (CSettingsPage* page : applyOrder_) page->Apply();
    QDialog::accept();
}

}  // namespace vesk
