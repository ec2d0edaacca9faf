#pragma once

#include <expat.h>

#include <filesystem>
#include <string_view>

namespace vesk {

// Feeds a whole file to the parser, read in slices straight into the
// parser's own buffer; true when the file was read and parsed to its end
// without error. A missing file or one that is not a regular file is false.
bool ParseFile(XML_Parser parser, const std::filesystem::path& path);
// The same for bytes already in memory.
bool ParseBytes(XML_Parser parser, std::string_view bytes);

}  // namespace vesk
