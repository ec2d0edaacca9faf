#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace vesk {

// The note's accelerators: Ctrl+Enter (Done Editing), Ctrl+T (Crumple),
// Ctrl+E (Edit), Ctrl+H (Hide) and Ctrl+S (Shade); none for any other key.
std::optional<std::uint32_t> NoteAcceleratorCommand(const QKeyEvent& event);

// A widget of a note whose property of this name is true takes every key
// itself, the accelerators' too.
inline constexpr char kTakesAllKeysProperty[] = "veskTakesAllKeys";

// Once for the whole program: from then on an accelerator pressed in a note
// window, its editors included, sends its command to that note. One watcher
// serves every note, so notes cost nothing to make or destroy for it.
void InstallNoteAccelerators();

}  // namespace vesk
