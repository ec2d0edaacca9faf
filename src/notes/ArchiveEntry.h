#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "xml/TextForms.h"

namespace vesk {

// What the Notebook lists of one archive file, read without building the
// note's record.
struct ArchiveEntry {
    // Marks a file that is not a readable note; such files are not listed.
    static constexpr std::int32_t kNotANote = 4;

    std::u16string title;
    std::int32_t kind = kNotANote;
    std::filesystem::path path;
    // Last modification; 0 when it cannot be read.
    TimeValue fileTime = 0;
};

// The summary of a single-note file of this version or of the previous one.
ArchiveEntry ReadArchiveEntry(const std::filesystem::path& path);

}  // namespace vesk
