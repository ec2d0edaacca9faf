#include "ScriptedPrompts.h"

namespace vesk::test {

UserPrompts::Answer ScriptedPrompts::ShowMessage(QWidget*, const QString& text,
                                                 const QString& caption, Buttons buttons,
                                                 Icon icon) {
    messages.append({text, caption, buttons, icon});
    if (!whileAsked.empty()) {
        const auto act = std::move(whileAsked.front());
        whileAsked.pop_front();
        act();
    }
    if (answers.empty()) {
        if (buttons == Buttons::RetryCancel) return Answer::Cancel;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedPrompts::GetOpenFileName(QWidget*, const QString& caption, const QString& folder,
                                         const QString& filter) {
    return NextFileName(caption, folder, filter);
}

QString ScriptedPrompts::GetSaveFileName(QWidget*, const QString& caption, const QString& path,
                                         const QString& filter) {
    return NextFileName(caption, path, filter);
}

int ScriptedPrompts::RunDialog(QDialog& dialog) {
    dialogTitles.append(dialog.windowTitle());
    if (dialogs.empty()) return QDialog::Rejected;
    const auto act = std::move(dialogs.front());
    dialogs.pop_front();
    return act(dialog);
}

bool ScriptedPrompts::ChoosePrinter(QPrinter& printer, QWidget*) {
    ++printerChoices;
    if (printers.empty()) return false;
    const auto setUp = std::move(printers.front());
    printers.pop_front();
    return setUp(printer);
}

QColor ScriptedPrompts::ChooseColor(QWidget*, const QColor& initial) {
    colorsOffered.append(initial);
    if (colors.empty()) return {};
    const QColor color = colors.front();
    colors.pop_front();
    return color;
}

QString ScriptedPrompts::NextFileName(const QString& caption, const QString& proposal,
                                      const QString& filter) {
    fileCaptions.append(caption);
    fileProposals.append(proposal);
    fileFilters.append(filter);
    if (fileNames.empty()) return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

}  // namespace vesk::test
