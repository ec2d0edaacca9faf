#pragma once

#include <memory>

#include "notes/NoteData.h"

namespace vesk {

// A copy of the note, content and all, for the Notebook's preview to show:
// rolled down, with its title bar, shown, not on top. Whatever the preview
// does to it never reaches the note itself. None for a note of no known kind.
std::unique_ptr<NoteData> MakePreviewRecord(const NoteData& note);

}  // namespace vesk
