#pragma once

#include <filesystem>

#include "settings/SettingsData.h"

namespace vesk {

// Reads the previous version's "settings.dat" into the settings, in place of
// their themes. A file that cannot be opened gives the previous version's
// own defaults instead; a file that ends early leaves what follows as it was.
// Always true: there is nothing the caller could do differently.
bool LoadSettingsV3(SettingsData& settings, const std::filesystem::path& path);

}  // namespace vesk
