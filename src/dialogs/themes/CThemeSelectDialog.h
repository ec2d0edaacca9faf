#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QComboBox;

namespace vesk {

class NotePreviewStatic;
class SettingsData;

// "Theme": picks the settings' selected theme, showing the first four styles
// of the theme chosen as sample notes. "Edit Themes" opens the Theme Editor
// on it, "Import" adds a theme from a file; OK makes the chosen theme the
// selected one.
class CThemeSelectDialog : public QDialog {
    Q_OBJECT

public:
    explicit CThemeSelectDialog(SettingsData& settings, QWidget* parent = nullptr);

    void accept() override;

private:
    // Lists every theme and makes the one with that id current.
    void FillThemes(std::int32_t current);
    void ShowStyles();
    void EditThemes();
    void Import();
    // The id of the chosen theme, or -1.
    std::int32_t ChosenId() const;

    SettingsData& settings_;
    QComboBox* themes_;
    std::array<NotePreviewStatic*, 4> previews_{};
};

}  // namespace vesk
