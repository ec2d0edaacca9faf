#include "import/ImportReport.h"

namespace vesk {

std::string ImportResultText(const ImportCopies& copies, bool notesRead) {
    std::string text = copies.AnyFailed() ? "Import finished, but not everything could be copied. "
                                            "Here are the results:\n"
                                          : "Import complete! Here are the results:\n";
    if (copies.settings) {
        text += "Settings import was successful.\n";
    } else if (!copies.settingsFailure.empty()) {
        text += "Settings could not be copied (" + copies.settingsFailure +
                "). Default settings used.\n";
    }
    if (copies.notes) {
        text += notesRead ? "Notes import was successful.\n"
                          : "Notes could not be imported. Default notes used.\n";
    } else if (!copies.notesFailure.empty()) {
        text += "Notes could not be copied (" + copies.notesFailure + "). Default notes used.\n";
    }
    text += std::to_string(copies.archived) + " archived note(s) imported\n";
    if (copies.archiveFailures > 0) {
        text += std::to_string(copies.archiveFailures) + " archived note(s) could not be copied\n";
    }
    if (copies.logInEntryFailed) {
        text += "vesk notes 4 could not be set to start when you log in.\n";
    }
    return text;
}

}  // namespace vesk
