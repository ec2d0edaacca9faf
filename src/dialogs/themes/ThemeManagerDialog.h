#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QPushButton;

namespace vesk {

class CThemeStylesEditor;
class SettingsData;
class ThemeData;

// "Theme Editor": creates, renames and deletes themes, edits the styles in
// them, and exports and imports theme files. It works on the settings' theme
// collection itself: every change counts at once. The default theme (id 0)
// can be deleted but not renamed.
class ThemeManagerDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the theme with that id, when there is one.
    ThemeManagerDialog(SettingsData& settings, std::int32_t themeId, QWidget* parent = nullptr);

private:
    void FillThemes();
    void ThemeChosen();
    void NewTheme();
    void RenameTheme();
    void DeleteTheme();
    void ImportTheme();
    void ChooseTheme(std::int32_t id);
    // The chosen theme, or nullptr.
    ThemeData* ChosenTheme() const;

    SettingsData& settings_;
    QComboBox* themes_;
    QPushButton* rename_;
    QPushButton* delete_;
    QPushButton* export_;
    CThemeStylesEditor* styles_;
};

}  // namespace vesk
