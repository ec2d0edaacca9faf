#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace vesk {

// Everything that stops and waits for the user (message boxes, file choosers,
// modal dialogs) goes through the current prompts, so that tests can install
// answers of their own and never wait for a person.
class UserPrompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~UserPrompts() = default;

    virtual Answer ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                               Buttons buttons, Icon icon) = 0;
    // Empty when the user cancels.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                    const QString& filter) = 0;
    // Runs a modal dialog; the dialog's result code (QDialog::Accepted or
    // Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;
    // Lets the user pick and set up the printer of a one-page document;
    // false when the user cancels.
    virtual bool ChoosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Lets the user pick a colour, starting from the given one; an invalid
    // colour when the user cancels.
    virtual QColor ChooseColor(QWidget* parent, const QColor& initial) = 0;

    static UserPrompts& Current();
    // Installs prompts for the rest of the run (tests); nullptr restores the
    // real ones.
    static void SetCurrent(UserPrompts* prompts);
};

// Filters in the Windows form "Name (*.ext)|*.ext|All Files (*.*)|*.*||"
// become Qt's "Name (*.ext);;All Files (*)".
QString QtFileFilter(const QString& windowsFilter);

}  // namespace vesk
