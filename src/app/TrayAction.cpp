#include "app/TrayAction.h"

#include "app/MainCommandIds.h"
#include "app/MainCommands.h"
#include "notes/NoteCollection.h"

namespace vesk {

void RunTrayAction(TrayAction action, const MainCommands& commands, NoteCollection& collection,
                   const std::function<void()>& changed) {
    switch (action) {
        case TrayAction::CreateNote:
            commands.Run(MainCommand::kNewNote);
            break;
        case TrayAction::CreateChecklist:
            commands.Run(MainCommand::kNewChecklist);
            break;
        case TrayAction::BringToFront:
            collection.BringAllToFront();
            break;
        case TrayAction::ToggleShow:
            collection.ToggleAll();
            changed();
            break;
        case TrayAction::None:
            break;
    }
}

}  // namespace vesk
