#pragma once

#include <QComboBox>
#include <QPixmap>
#include <vector>

#include "settings/StyleData.h"

namespace vesk {

class ThemeData;

// The styles a note may take from a theme, and which of them it has now.
struct Swatches {
    std::vector<StyleData> styles;
    int current = 0;
};

// Same colours, whatever the names and ids.
bool SameColors(const StyleData& a, const StyleData& b);

// The theme's styles in their order, the one of the note's colours current.
// When the theme holds no such style (it came from another theme, or was
// made for this note), the note's own style comes first and is current.
// No theme gives the note's style alone.
Swatches BuildSwatches(const ThemeData* theme, const StyleData& noteStyle);

// A list of colour styles shown as pictures of their body gradient, one
// 60 by 60 swatch each.
class CSwatchPicker : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kSide = 60;

    explicit CSwatchPicker(QWidget* parent = nullptr);

    void SetSwatches(Swatches swatches);
    const StyleData& StyleAt(int index) const { return styles_.at(index); }
    // The gradient from the background colour at the top to the second
    // background colour at the bottom.
    static QPixmap Picture(const StyleData& style);

private:
    std::vector<StyleData> styles_;
};

}  // namespace vesk
