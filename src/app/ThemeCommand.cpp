#include "app/ThemeCommand.h"

#include "app/DialogSlots.h"
#include "dialogs/UserPrompts.h"
#include "dialogs/themes/CThemeSelectDialog.h"
#include "notes/NoteCollection.h"
#include "notes/NoteCommands.h"
#include "settings/SettingsData.h"

namespace vesk {

void ThemeCommand::Run() {
    if (dialogs_.Raise(DialogSlot::Theme)) return;
    const std::u16string before = settings_.GetTheme(settings_.GetSelectedThemeId()).GetName();
    CThemeSelectDialog chooser(settings_);
    bool accepted = false;
    dialogs_.Run(DialogSlot::Theme, &chooser, [&] {
        accepted = UserPrompts::Current().RunDialog(chooser) == QDialog::Accepted;
    });
    if (!accepted || settings_.GetTheme(settings_.GetSelectedThemeId()).GetName() == before) {
        return;
    }
    if (UserPrompts::Current().ShowMessage(
            nullptr,
            QStringLiteral("Convert existing notes to this theme?\nOtherwise, this theme will just "
                           "be used\nfor newly created notes."),
            QStringLiteral("Question"), UserPrompts::Buttons::YesNo,
            UserPrompts::Icon::Question) == UserPrompts::Answer::Yes) {
        ConvertNotes();
    }
}

void ThemeCommand::ConvertNotes() {
    for (const auto& [id, window] : collection_.GetNotes()) {
        window->GetNoteData().SetStyle(settings_.NewNoteStyle());
        window->SendCommand(NoteCommand::kStyleChanged);
    }
    markChanged_();
}

}  // namespace vesk
