#include "app/CollectionCommands.h"

#include "app/MainCommandIds.h"
#include "app/MainCommands.h"
#include "notes/NoteCollection.h"

namespace vesk {

void SetUpCollectionCommands(MainCommands& commands, NoteCollection& collection,
                             const std::function<void()>& changed) {
    const auto changing = [&commands, &collection, changed](std::uint32_t command,
                                                            void (NoteCollection::*action)()) {
        commands.Set(command, [&collection, changed, action] {
            (collection.*action)();
            changed();
        });
    };
    // The z-order is not stored: these two change nothing to save.
    commands.Set(MainCommand::kBringAllToFront, [&collection] { collection.BringAllToFront(); });
    commands.Set(MainCommand::kSendAllToBack, [&collection] { collection.SendAllToBack(); });
    changing(MainCommand::kHideAll, &NoteCollection::HideAll);
    changing(MainCommand::kShowAll, &NoteCollection::ShowAll);
    changing(MainCommand::kShadeAll, &NoteCollection::ShadeAll);
    changing(MainCommand::kUnshadeAll, &NoteCollection::UnshadeAll);
    changing(MainCommand::kCrumpleAll, &NoteCollection::CrumpleAll);
}

}  // namespace vesk
