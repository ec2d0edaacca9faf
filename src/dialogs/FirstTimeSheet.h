#pragma once

#include <QWizard>
#include <functional>

namespace vesk {

namespace platform {
class Autostart;
}
class CFTCustomizePage;
class SettingsData;

// The first-start wizard, "Welcome to vesk notes 4": a welcome, the choices
// of the Customize page and some hints. Finish applies the choices to the
// settings and the log-in entry; Cancel applies nothing. Run it modally
// through UserPrompts::RunDialog.
class CFirstTimeSheet : public QWizard {
    Q_OBJECT

public:
    enum Page { kWelcome, kCustomize, kHints };

    // moreHelp opens the installed help.
    CFirstTimeSheet(SettingsData& settings, platform::Autostart& autostart,
                    std::function<void()> moreHelp, QWidget* parent = nullptr);

    // Finish.
    void accept() override;

private:
    void ApplyCustomize();

    SettingsData& settings_;
    platform::Autostart& autostart_;
    CFTCustomizePage* customize_;
};

}  // namespace vesk
