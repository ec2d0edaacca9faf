#include "dialogs/FirstTimeSheet.h"

#include "dialogs/FirstTimePages.h"
#include "dialogs/UserPrompts.h"
#include "platform/Autostart.h"
#include "settings/SettingsData.h"

namespace vesk {

CFirstTimeSheet::CFirstTimeSheet(SettingsData& settings, platform::Autostart& autostart,
                                 std::function<void()> moreHelp, QWidget* parent)
    : QWizard(parent),
      settings_(settings),
      autostart_(autostart),
      customize_(new CFTCustomizePage(this)) {
    setWindowTitle(QStringLiteral("Welcome to vesk notes 4"));
    setWizardStyle(QWizard::ClassicStyle);
    setPage(kWelcome, new CFTWelcomePage(this));
    setPage(kCustomize, customize_);
    setPage(kHints, new CFTHelpPage(std::move(moreHelp), this));
}

void CFirstTimeSheet::accept() {
    ApplyCustomize();
    QWizard::accept();
}

void CFirstTimeSheet::ApplyCustomize() {
    // A clear box removes no entry: the user may have one of their own.
    if (customize_->StartAtLogIn() && !autostart_.CreateProgramEntry()) {
        UserPrompts::Current().ShowMessage(
            this, QStringLiteral("vesk notes 4 could not be set to start when you log in."),
            QStringLiteral("Uh oh"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    }
    if (!customize_->HotKeysOn()) {
        // Switched off, the keys stay as they are for a later switch on.
        settings_.GetShowNotesHotKey().used = false;
        settings_.GetNewNoteHotKey().used = false;
    }
    const int tray = customize_->TrayChoice();
    if (tray >= 0) settings_.SetTray(static_cast<TrayAction>(tray + 1));
}

}  // namespace vesk
