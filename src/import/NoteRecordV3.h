#pragma once

#include <memory>

#include "import/NarrowStream.h"
#include "notes/NoteData.h"

namespace vesk {

// One note of the previous version, read after the version number that
// precedes it. titleBarHeight is the note windows' current title bar height,
// which sizes a scribble's drawing. None when the record is not a note: an
// unknown kind, content lines or drawing runs that end early, a zero run.
std::unique_ptr<NoteData> ReadNoteRecordV3(NarrowStream& in, int titleBarHeight);

}  // namespace vesk
