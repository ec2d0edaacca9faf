#pragma once

#include <QWidget>

#include "settings/FontData.h"

class QComboBox;
class QLabel;

namespace vesk {

// One default font of the Appearance page: the face's name drawn in that
// face, an editable size box and "Change", which lets the user pick another
// face (bold and italics with it) in the font chooser.
class CFontRow : public QWidget {
    Q_OBJECT

public:
    // defaultFont: what the chooser shows for the face "Default".
    CFontRow(const char* name, const FontData& font, const FontData& defaultFont,
             QWidget* parent = nullptr);

    // The font with the size the box holds; any number typed is taken.
    FontData Font() const;

private:
    void Change();
    void ShowFace();

    FontData font_;
    const FontData& defaultFont_;
    QLabel* face_;
    QComboBox* size_;
};

}  // namespace vesk
