#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "settings/StyleData.h"

class QListWidget;
class QPushButton;

namespace vesk {

class CColorSwatchButton;
class NotePreviewStatic;
class ThemeData;

// The Theme Editor's styles: the theme's styles listed by position ("Style
// 00", "Style 01", ...), New and Delete, and the chosen style's four colours
// with a preview. A colour chosen goes into the style at once.
class CThemeStylesEditor : public QWidget {
    Q_OBJECT

public:
    explicit CThemeStylesEditor(QWidget* parent = nullptr);

    // The theme whose styles are edited; nullptr for none, which leaves
    // every control off.
    void SetTheme(ThemeData* theme);

private:
    // A colour button and the colour of the style it edits.
    struct ColorButton {
        CColorSwatchButton* button;
        COLORREF StyleData::*color;
    };

    void StyleChosen();
    void NewStyle();
    void DeleteStyle();
    void ColorChosen(const ColorButton& which, COLORREF color);
    // The style at the chosen position, or nullptr.
    StyleData* ChosenStyle() const;

    ThemeData* theme_ = nullptr;
    QListWidget* styles_;
    QPushButton* new_;
    QPushButton* delete_;
    std::array<ColorButton, 4> colors_;
    NotePreviewStatic* preview_;
};

}  // namespace vesk
