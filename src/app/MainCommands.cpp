#include "app/MainCommands.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/MainCommandIds.h"

namespace vesk {
namespace {

constexpr std::array kListed = {
    MainCommand::kNewNote,       MainCommand::kNewChecklist, MainCommand::kNewScribble,
    MainCommand::kNewPicture,    MainCommand::kTheme,        MainCommand::kBringAllToFront,
    MainCommand::kSendAllToBack, MainCommand::kHideAll,      MainCommand::kShowAll,
    MainCommand::kShadeAll,      MainCommand::kUnshadeAll,   MainCommand::kCrumpleAll,
    MainCommand::kSettings,      MainCommand::kHelp,         MainCommand::kEmptyWastebasket,
    MainCommand::kNotebook,      MainCommand::kImportNote,   MainCommand::kBackupManager,
    MainCommand::kAbout,         MainCommand::kExit,
};

}  // namespace

void MainCommands::Set(std::uint32_t command, Handler handler) {
    handlers_[command] = std::move(handler);
}

void MainCommands::SetNoteHandler(NoteHandler handler) { noteHandler_ = std::move(handler); }

bool MainCommands::IsListed(std::uint32_t command) {
    return std::find(kListed.begin(), kListed.end(), command) != kListed.end();
}

bool MainCommands::IsAvailable(std::uint32_t command) const {
    if (handlers_.contains(command)) return true;
    return !IsListed(command) && command >= MainCommand::kFirstNote && noteHandler_;
}

bool MainCommands::Run(std::uint32_t command) const {
    if (const auto found = handlers_.find(command); found != handlers_.end()) {
        found->second();
        return true;
    }
    if (!IsAvailable(command)) return false;
    noteHandler_(command - MainCommand::kFirstNote);
    return true;
}

MainCommands::Hold::Hold(MainCommands& commands, std::initializer_list<std::uint32_t> held)
    : commands_(commands) {
    for (const std::uint32_t command : held) {
        if (auto found = commands_.handlers_.extract(command)) held_.insert(std::move(found));
    }
}

MainCommands::Hold::~Hold() { commands_.handlers_.merge(held_); }

}  // namespace vesk
