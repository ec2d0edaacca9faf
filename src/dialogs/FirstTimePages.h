#pragma once

#include <QWizardPage>
#include <functional>

class QCheckBox;
class QListWidget;

namespace vesk {

// The first-start wizard's pages, in order.

// The banner and a welcome.
class CFTWelcomePage : public QWizardPage {
    Q_OBJECT

public:
    explicit CFTWelcomePage(QWidget* parent = nullptr);
};

// Starting at log-in, the global hot keys and the tray icon's double-click.
class CFTCustomizePage : public QWizardPage {
    Q_OBJECT

public:
    explicit CFTCustomizePage(QWidget* parent = nullptr);

    bool StartAtLogIn() const;
    bool HotKeysOn() const;
    // The chosen double-click action's place in the list; -1 for none.
    int TrayChoice() const;

private:
    QCheckBox* logIn_;
    QCheckBox* hotKeys_;
    QListWidget* tray_;
};

// Where to find things, and "More Help".
class CFTHelpPage : public QWizardPage {
    Q_OBJECT

public:
    CFTHelpPage(std::function<void()> moreHelp, QWidget* parent = nullptr);
};

}  // namespace vesk
