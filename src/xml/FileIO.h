#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vesk {

// Replaces the file at path with bytes so that, whatever happens, the path
// holds either the old file whole or the new one whole: the bytes go to a
// temporary file in the same folder, are flushed to disk and then renamed
// over the target. False when any step fails; the old file is then untouched.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a regular file; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace vesk
