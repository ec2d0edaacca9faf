#include "app/FirstStart.h"

#include <system_error>

#include "app/MainCommandIds.h"
#include "app/MainFrame.h"
#include "app/PathText.h"
#include "dialogs/FirstTimeSheet.h"
#include "dialogs/ImportHelper.h"
#include "dialogs/UserPrompts.h"
#include "import/ImportReport.h"
#include "platform/Folders.h"

namespace vesk {

void FirstStart::Run() {
    const PreviousVersionFiles found =
        FindPreviousVersion(ToPath(folders_.PreviousVersionFolder()));
    if (found.notes || found.settings) {
        OfferImport(found);
    } else {
        Welcome();
    }
}

void FirstStart::OfferImport(PreviousVersionFiles found) {
    // Until the helper is done the settings are the built-in ones, which its
    // load replaces: what the Settings sheet or the Theme chooser changed from
    // the tray meanwhile would be lost, so both wait.
    const MainCommands::Hold settingsWait(frame_.GetCommands(),
                                          {MainCommand::kSettings, MainCommand::kTheme});
    CImportHelper helper(found, autostart_, ToPath(folders_.PreviousVersionFolder()),
                         ToPath(folders_.DataFolder()));
    if (UserPrompts::Current().RunDialog(helper) == QDialog::Accepted) {
        Import(helper.Copies());
        return;
    }
    frame_.LoadSettings(frame_.SettingsFile());
    AddNotesFile();
}

void FirstStart::Import(const ImportCopies& copies) {
    const std::filesystem::path data = ToPath(folders_.DataFolder());
    const std::filesystem::path settings = data / PreviousVersionCopy::kSettingsFile;
    const std::filesystem::path notes = data / PreviousVersionCopy::kNotesFile;
    std::error_code ignored;
    // What was left out keeps the built-in settings or no notes; what could
    // not be copied falls back on the installation's files.
    if (copies.settings) {
        frame_.LoadSettings(settings, true);
        std::filesystem::remove(settings, ignored);
    } else if (!copies.settingsFailure.empty()) {
        frame_.LoadSettings(frame_.SettingsFile());
    } else {
        frame_.UseSettings();
    }
    bool notesRead = false;
    if (copies.notes) {
        notesRead = frame_.AddNotes(notes);
        if (!notesRead) AddNotesFile();
        std::filesystem::remove(notes, ignored);
    } else if (!copies.notesFailure.empty()) {
        AddNotesFile();
    }
    const bool failed = copies.AnyFailed();
    UserPrompts::Current().ShowMessage(
        nullptr, QString::fromStdString(ImportResultText(copies, notesRead)),
        failed ? QStringLiteral("Uh oh") : QStringLiteral("Import Complete"),
        UserPrompts::Buttons::Ok, failed ? UserPrompts::Icon::Warning : UserPrompts::Icon::None);
}

void FirstStart::Welcome() {
    frame_.LoadSettings(frame_.SettingsFile());
    CFirstTimeSheet sheet(frame_.GetSettings(), autostart_,
                          [this] { frame_.OnCommand(MainCommand::kHelp); });
    UserPrompts::Current().RunDialog(sheet);
    AddNotesFile();
}

void FirstStart::AddNotesFile() {
    if (!frame_.NotesRestored()) frame_.AddNotes(frame_.NotesFile());
}

}  // namespace vesk
