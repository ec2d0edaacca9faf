#pragma once

#include <cstdint>

namespace vesk {

// The main frame's commands, as menus, hot keys, dialogs and the Notebook
// send them. The numbers are the program's stable vocabulary.
namespace MainCommand {
inline constexpr std::uint32_t kNoNotes = 0;
inline constexpr std::uint32_t kNewNote = 32773;
inline constexpr std::uint32_t kTheme = 32777;
inline constexpr std::uint32_t kHideAll = 32788;
inline constexpr std::uint32_t kShowAll = 32789;
inline constexpr std::uint32_t kShadeAll = 32790;
inline constexpr std::uint32_t kUnshadeAll = 32791;
inline constexpr std::uint32_t kCrumpleAll = 32792;
inline constexpr std::uint32_t kBringAllToFront = 32794;
inline constexpr std::uint32_t kSendAllToBack = 32795;
inline constexpr std::uint32_t kNewScribble = 32796;
inline constexpr std::uint32_t kSettings = 32798;
inline constexpr std::uint32_t kHelp = 32800;
inline constexpr std::uint32_t kNewChecklist = 32801;
inline constexpr std::uint32_t kEmptyWastebasket = 32805;
inline constexpr std::uint32_t kNotebook = 32809;
inline constexpr std::uint32_t kImportNote = 32815;
inline constexpr std::uint32_t kBackupManager = 32837;
inline constexpr std::uint32_t kNewPicture = 32863;
inline constexpr std::uint32_t kAbout = 57664;
inline constexpr std::uint32_t kExit = 57665;
// A note's tray item: this plus the note id.
inline constexpr std::uint32_t kFirstNote = 1034;
}  // namespace MainCommand

// The main frame's timers.
namespace MainTimer {
inline constexpr int kAutoSave = 556;
inline constexpr int kAlarmCheck = 3245;
}  // namespace MainTimer

// The global hot keys.
namespace MainHotKey {
inline constexpr int kShowNotes = 200;
inline constexpr int kNewNote = 201;
}  // namespace MainHotKey

}  // namespace vesk
