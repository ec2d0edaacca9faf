#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "notes/NoteData.h"

namespace vesk {

// An empty record for loading, by the type attribute of a note element:
// "message", "checklist", "scribble" or "picture"; none for anything else.
std::unique_ptr<NoteData> CreateNoteDataByType(std::u16string_view typeName);
// The same by kind number: 0, 1, 2 or 5; none for anything else.
std::unique_ptr<NoteData> CreateNoteDataByKind(std::int64_t kind);

}  // namespace vesk
