#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "notewnd/TextLayout.h"

namespace vesk {

// A path shortened to the width the way file paths are: the middle of the
// folder part gives way to "..." so that the file name stays whole; a file
// name too wide even alone keeps its start and ends in "...".
std::u16string CompactPath(std::u16string_view path, std::int32_t width, const TextMeasurer& font);

}  // namespace vesk
