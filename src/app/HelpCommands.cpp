#include "app/HelpCommands.h"

#include "app/DialogSlots.h"
#include "app/MainCommandIds.h"
#include "app/MainCommands.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/UserPrompts.h"
#include "platform/Folders.h"
#include "platform/LinkOpener.h"

namespace vesk {

void ReportUnopened(const QString& target) {
    UserPrompts::Current().ShowMessage(
        nullptr,
        QStringLiteral("\"%1\" could not be opened: no program on this computer is set up "
                       "to open it (for a web link, a web browser).")
            .arg(target),
        QStringLiteral("No Go"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

void SetUpHelpCommands(MainCommands& commands, DialogSlots& dialogs, platform::LinkOpener& links,
                       const platform::Folders& folders) {
    commands.Set(MainCommand::kHelp,
                 [&links, &folders] { links.OpenFile(folders.HelpFile(), ReportUnopened); });
    commands.Set(MainCommand::kAbout, [&dialogs] {
        if (dialogs.Raise(DialogSlot::About)) return;
        CAboutDialog about;
        dialogs.Run(DialogSlot::About, &about,
                    [&about] { UserPrompts::Current().RunDialog(about); });
    });
}

}  // namespace vesk
