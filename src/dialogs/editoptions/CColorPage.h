#pragma once

#include <cstdint>

#include "dialogs/editoptions/CEditPage.h"

class QComboBox;
class QPushButton;

namespace vesk {

class CSwatchPicker;

// The note's colour style: a swatch of each style of a theme (the selected
// theme's at first, another's once chosen in "Change Theme"), and "Custom"
// for a style of the user's own colours.
class CColorPage : public CEditPage {
    Q_OBJECT

public:
    CColorPage(CVeskNoteWnd& note, NoteHost& host);

    QComboBox& Themes() { return *themes_; }
    CSwatchPicker& Picker() { return *swatches_; }
    QPushButton& Custom() { return *custom_; }

private:
    void FillThemes();
    void ShowSwatches();
    void ThemeChosen(int index);
    void SwatchChosen(int index);
    void ChooseCustom();

    QComboBox* themes_;
    CSwatchPicker* swatches_;
    QPushButton* custom_;
    std::int32_t shownTheme_;
};

}  // namespace vesk
