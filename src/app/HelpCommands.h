#pragma once

#include <QString>

namespace vesk {

namespace platform {
class Folders;
class LinkOpener;
}  // namespace platform
class DialogSlots;
class MainCommands;

// Tells the user that no program on the computer opened the target: without
// a word the user would click the link again and again.
void ReportUnopened(const QString& target);

// Puts Help (the help file, handed to the desktop) and About, open at most
// once, into the table.
void SetUpHelpCommands(MainCommands& commands, DialogSlots& dialogs, platform::LinkOpener& links,
                       const platform::Folders& folders);

}  // namespace vesk
