#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace vesk {

class SettingsData;
class ThemeData;

// "Export Theme": writes the theme to a ".vnt" file the user names, proposed
// after the theme. A file that cannot be written is told of.
void OfferThemeExport(QWidget* parent, const ThemeData& theme);
// "Import Theme": adds the theme of a ".vnt" file the user picks under the
// next free id and returns that id; none when the user cancels or the file
// is refused (the user is told why).
std::optional<std::int32_t> OfferThemeImport(QWidget* parent, SettingsData& settings);

}  // namespace vesk
