#include "dialogs/UserPrompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "dialogs/ModalDialog.h"

namespace vesk {
namespace {

QString RunFileDialog(QWidget* parent, const QString& caption, const QString& path,
                      const QString& filter, QFileDialog::AcceptMode mode) {
    MadeDialog dialog(new QFileDialog(parent, caption, path, QtFileFilter(filter)));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    if (dialog.Run() != QDialog::Accepted || dialog.Gone()) return {};
    return dialog->selectedFiles().value(0);
}

// The answer of a message closed without a button, as its Escape key gives.
UserPrompts::Answer Dismissed(UserPrompts::Buttons buttons) {
    switch (buttons) {
        case UserPrompts::Buttons::Ok:
            return UserPrompts::Answer::Ok;
        case UserPrompts::Buttons::YesNo:
            return UserPrompts::Answer::No;
        case UserPrompts::Buttons::OkCancel:
        case UserPrompts::Buttons::YesNoCancel:
        case UserPrompts::Buttons::RetryCancel:
            break;
    }
    return UserPrompts::Answer::Cancel;
}

class QtUserPrompts final : public UserPrompts {
public:
    Answer ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                       Buttons buttons, Icon icon) override {
        MadeDialog box(
            new QMessageBox(ToQtIcon(icon), caption, text, ToQtButtons(buttons), parent));
        switch (box.Run()) {
            case QMessageBox::Ok:
                return Answer::Ok;
            case QMessageBox::Yes:
                return Answer::Yes;
            case QMessageBox::No:
                return Answer::No;
            case QMessageBox::Cancel:
                return Answer::Cancel;
            case QMessageBox::Retry:
                return Answer::Retry;
            default:
                return Dismissed(buttons);
        }
    }

    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                            const QString& filter) override {
        return RunFileDialog(parent, caption, folder, filter, QFileDialog::AcceptOpen);
    }

    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                            const QString& filter) override {
        return RunFileDialog(parent, caption, path, filter, QFileDialog::AcceptSave);
    }

    int RunDialog(QDialog& dialog) override { return RunModal(dialog); }

    bool ChoosePrinter(QPrinter& printer, QWidget* parent) override {
        MadeDialog dialog(new QPrintDialog(&printer, parent));
        // A note is one page: no ranges or selections to choose. Printing to
        // a file stays, as it is how a desktop without a printer prints.
        dialog->setOptions(QAbstractPrintDialog::PrintToFile |
                           QAbstractPrintDialog::PrintShowPageSize);
        return dialog.Run() == QDialog::Accepted;
    }

    QColor ChooseColor(QWidget* parent, const QColor& initial) override {
        MadeDialog dialog(new QColorDialog(initial, parent));
        if (dialog.Run() != QDialog::Accepted || dialog.Gone()) return {};
        return dialog->selectedColor();
    }

private:
    static QMessageBox::Icon ToQtIcon(Icon icon) {
        switch (icon) {
            case Icon::Information:
                return QMessageBox::Information;
            case Icon::Warning:
                return QMessageBox::Warning;
            case Icon::Critical:
                return QMessageBox::Critical;
            case Icon::Question:
                return QMessageBox::Question;
            case Icon::None:
                break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons ToQtButtons(Buttons buttons) {
        switch (buttons) {
            case Buttons::OkCancel:
                return QMessageBox::Ok | QMessageBox::Cancel;
            case Buttons::YesNo:
                return QMessageBox::Yes | QMessageBox::No;
            case Buttons::YesNoCancel:
                return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            case Buttons::RetryCancel:
                return QMessageBox::Retry | QMessageBox::Cancel;
            case Buttons::Ok:
                break;
        }
        return QMessageBox::Ok;
    }
};

UserPrompts* installed = nullptr;

}  // namespace

UserPrompts& UserPrompts::Current() {
    static QtUserPrompts real;
    return installed ? *installed : real;
}

void UserPrompts::SetCurrent(UserPrompts* prompts) { installed = prompts; }

QString QtFileFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ').replace(QStringLiteral("*.*"), QStringLiteral("*"));
        QString name = parts[i];
        const qsizetype open = name.indexOf(u'(');
        if (open > 0) name = name.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace vesk
