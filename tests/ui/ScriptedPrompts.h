#pragma once

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "dialogs/UserPrompts.h"

namespace vesk::test {

// Answers prompts from a script and records what was asked, so no test waits
// for a person. Installed for its lifetime.
class ScriptedPrompts : public UserPrompts {
public:
    struct Message {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
    };

    ScriptedPrompts() { UserPrompts::SetCurrent(this); }
    ~ScriptedPrompts() override { UserPrompts::SetCurrent(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // Queued answers; when none is left a message gets Ok (No for Yes/No,
    // Cancel for Retry/Cancel), a file chooser, the printer and the colour
    // choice are cancelled and a dialog is rejected.
    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    // Acts in the dialog's place (fills its fields) and returns its result.
    std::deque<std::function<int(QDialog&)>> dialogs;
    // Sets the printer up in the print dialog's place; true prints.
    std::deque<std::function<bool(QPrinter&)>> printers;
    // Colours picked in the colour chooser's place, one per choice.
    std::deque<QColor> colors;
    // Done while a message waits for its answer, one per message, as a user
    // would from the tray meanwhile.
    std::deque<std::function<void()>> whileAsked;

    QList<Message> messages;
    QStringList fileCaptions;
    QStringList fileFilters;
    // The folder or file name each file chooser started with.
    QStringList fileProposals;
    QStringList dialogTitles;
    int printerChoices = 0;
    QList<QColor> colorsOffered;

    Answer ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                       Buttons buttons, Icon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                            const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                            const QString& filter) override;
    int RunDialog(QDialog& dialog) override;
    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override;
    QColor ChooseColor(QWidget* parent, const QColor& initial) override;

private:
    QString NextFileName(const QString& caption, const QString& proposal, const QString& filter);
};

}  // namespace vesk::test
