#pragma once

#include <filesystem>
#include <memory>

#include "notes/NoteData.h"

namespace vesk {

// Reads a single-note file: a vesknote document (not tried when skipXml is
// set) or else the previous version's text form, whose scribbles are sized by
// titleBarHeight. None for a file that is neither, or of an unknown kind.
std::unique_ptr<NoteData> LoadNoteFile(const std::filesystem::path& path, bool skipXml,
                                       int titleBarHeight);

}  // namespace vesk
