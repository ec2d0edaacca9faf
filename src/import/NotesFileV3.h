#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "notes/NoteData.h"

namespace vesk {

// Reads the previous version's notes file "notes.dat" and hands each note to
// add, in file order; add returns false when it cannot take the note.
// titleBarHeight sizes scribble drawings. False when the file cannot be
// opened, does not start with the file's marker, or a note cannot be read or
// taken; the notes handed over before that stay with the caller.
bool ReadNotesFileV3(const std::filesystem::path& path, int titleBarHeight,
                     const std::function<bool(std::unique_ptr<NoteData>)>& add);

}  // namespace vesk
