#pragma once

#include <filesystem>
#include <optional>

#include "xml/TextForms.h"

namespace vesk {

// When the file was made: its birth time where the file system records one,
// otherwise its last modification. None when the file cannot be examined.
std::optional<TimeValue> FileCreationTime(const std::filesystem::path& path);

}  // namespace vesk
