#pragma once

#include <string>

#include "import/PreviousVersionCopy.h"

namespace vesk {

// What the user is told once the copies have been read: every part that came
// over and every part that did not. notesRead: whether the copied notes file
// could be read.
std::string ImportResultText(const ImportCopies& copies, bool notesRead);

}  // namespace vesk
