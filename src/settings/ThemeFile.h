#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "xml/FileIO.h"

namespace vesk {

class SettingsData;
class ThemeData;

// Theme files (".vnt") carry one theme from one user to another: a document
// whose root is the theme element exactly as the settings file holds it.
FileResult SaveThemeFile(const ThemeData& theme, const std::filesystem::path& path);

// Adds the file's theme to the collection under the next free id and returns
// that id; none, with nothing changed, when the file is not a theme file.
std::optional<std::int32_t> ImportThemeFile(SettingsData& settings,
                                            const std::filesystem::path& path);

}  // namespace vesk
