#pragma once

#include <cstdint>

namespace vesk {

// Menu command ids of a note window. Every action on a note, wherever it
// comes from, reaches the window as one of these.
namespace NoteCommand {
// The checklist's item editor, from its edit options.
inline constexpr std::uint32_t kNewItem = 607;
inline constexpr std::uint32_t kDeleteItem = 608;
inline constexpr std::uint32_t kMoveItemUp = 610;
inline constexpr std::uint32_t kMoveItemDown = 611;
inline constexpr std::uint32_t kEditItem = 616;
inline constexpr std::uint32_t kContextMenu = 673;
inline constexpr std::uint32_t kStyleChanged = 1356;
inline constexpr std::uint32_t kFontChanged = 1357;
inline constexpr std::uint32_t kAlignmentChanged = 1358;
inline constexpr std::uint32_t kShow = 4333;
inline constexpr std::uint32_t kUnshade = 9999;
inline constexpr std::uint32_t kCrumple = 32772;
inline constexpr std::uint32_t kHide = 32774;
inline constexpr std::uint32_t kShade = 32793;
inline constexpr std::uint32_t kEdit = 32799;
inline constexpr std::uint32_t kDoneEditing = 32806;
inline constexpr std::uint32_t kCancelEditing = 32807;
inline constexpr std::uint32_t kArchive = 32810;
inline constexpr std::uint32_t kStayOnTop = 32811;
inline constexpr std::uint32_t kSave = 32813;
inline constexpr std::uint32_t kSetAlarm = 32824;
inline constexpr std::uint32_t kPrint = 32829;
inline constexpr std::uint32_t kClearContents = 32830;
inline constexpr std::uint32_t kCopyToClipboard = 32831;
inline constexpr std::uint32_t kShowTitleBar = 32834;
}  // namespace NoteCommand

}  // namespace vesk
