#include "app/NewNotes.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/DialogSlots.h"
#include "app/MainCommandIds.h"
#include "app/MainCommands.h"
#include "dialogs/NewNoteDialog.h"
#include "dialogs/UserPrompts.h"
#include "notes/NoteCollection.h"
#include "notewnd/NoteGeometry.h"
#include "platform/SoundPlayer.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

// The New command that makes a note of the kind; 0 for none.
std::uint32_t NewCommand(std::int32_t kind) {
    switch (kind) {
        case NoteData::kMessage:
            return MainCommand::kNewNote;
        case NoteData::kChecklist:
            return MainCommand::kNewChecklist;
        case NoteData::kScribble:
            return MainCommand::kNewScribble;
        default:
            return 0;
    }
}

Rect WorkArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? ToRect(screen->availableGeometry()) : Rect{};
}

}  // namespace

StyleData NewNotes::ChooseStyle(SettingsData& settings) {
    if (settings.GetRandomStyle()) return settings.NewNoteStyle();
    const ThemeData* theme = settings.FindTheme(settings.GetSelectedThemeId());
    if (theme == nullptr || theme->GetStyles().empty()) return StyleData::Fallback();
    return theme->GetStyles().begin()->second;
}

NoteWindow* NewNotes::CreateNote(std::int32_t kind) {
    if (settings_.GetSoundEnabled()) {
        sounds_.PlaySound(platform::kNewNoteSound, platform::SoundPlayer::Repeat::Once);
    }
    return collection_.CreateNote(kind, ChooseStyle(settings_), settings_.GetShowTitle(), settings_,
                                  WorkArea());
}

void NewNotes::RunChooser(DialogSlots& dialogs, const MainCommands& commands) {
    if (dialogs.Raise(DialogSlot::NewNoteChooser)) return;
    CNewNoteDialog chooser([&commands](std::int32_t kind) {
        const std::uint32_t command = NewCommand(kind);
        return command != 0 && commands.IsAvailable(command);
    });
    int result = QDialog::Rejected;
    dialogs.Run(DialogSlot::NewNoteChooser, &chooser,
                [&] { result = UserPrompts::Current().RunDialog(chooser); });
    if (result == QDialog::Accepted && chooser.GetKind() != CNewNoteDialog::kCancel) {
        commands.Run(NewCommand(chooser.GetKind()));
    }
}

}  // namespace vesk
