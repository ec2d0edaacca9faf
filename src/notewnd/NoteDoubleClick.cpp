#include "notewnd/NoteDoubleClick.h"

#include "notes/NoteCommands.h"

namespace vesk {

std::vector<std::uint32_t> DoubleClickCommands(QPoint at, const DoubleClickState& state) {
    const bool inTitleBar = at.y() <= state.titleBarHeight;
    if (state.editing) {
        return {NoteCommand::kDoneEditing};
    }
    if (!state.showQAButtons && state.titleShown && inTitleBar) {
        return {state.shaded ? NoteCommand::kUnshade : NoteCommand::kShade};
    }
    if (state.hasAlarm && inTitleBar && at.x() <= state.titleBarHeight) {
        return {NoteCommand::kSetAlarm};
    }
    if (state.shaded) {
        return {NoteCommand::kUnshade, NoteCommand::kEdit};
    }
    return {NoteCommand::kEdit};
}

}  // namespace vesk
