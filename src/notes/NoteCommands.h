#pragma once

#include <cstdint>

namespace vesk {

// Menu command ids of a note window. Every action on a note, wherever it
// comes from, reaches the window as one of these.
namespace NoteCommand {
inline constexpr std::uint32_t kCrumple = 32772;
inline constexpr std::uint32_t kShade = 32793;
inline constexpr std::uint32_t kEdit = 32799;
inline constexpr std::uint32_t kSetAlarm = 32824;
inline constexpr std::uint32_t kUnshade = 9999;
}  // namespace NoteCommand

}  // namespace vesk
