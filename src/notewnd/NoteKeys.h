#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace vesk {

// The note's accelerators: Ctrl+Enter (Done Editing), Ctrl+T (Crumple),
// Ctrl+E (Edit), Ctrl+H (Hide) and Ctrl+S (Shade). They reach the note from
// its editors too; each sends its command.
void InstallNoteAccelerators(QWidget& window, const std::function<void(std::uint32_t)>& send);

}  // namespace vesk
