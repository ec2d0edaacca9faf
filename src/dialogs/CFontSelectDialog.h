#pragma once

#include <QDialog>
#include <QWidget>

#include "settings/FontData.h"

class QCheckBox;
class QListWidget;

namespace vesk {

// "Aa Bb Cc Dd" on white, centred, in a face at a cell height of 32 pixels.
class FontPreviewStatic : public QWidget {
    Q_OBJECT

public:
    explicit FontPreviewStatic(QWidget* parent = nullptr);

    void SetFont(const FontData& font);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FontData font_;
};

// "Select Font": picks a face, and bold and italics where offered, for a
// copy of a font. Choosing a face sets the copy's size to 0: the caller puts
// its own size back. "Use Default Font", where offered, makes the face
// "Default", the program's default font.
class CFontSelectDialog : public QDialog {
    Q_OBJECT

public:
    struct Offers {
        bool useDefault = true;
        bool boldItalics = true;
    };

    // defaultFont: what "Default" stands for.
    CFontSelectDialog(const FontData& font, const FontData& defaultFont, Offers offers,
                      QWidget* parent = nullptr);

    // The font as OK gives it.
    FontData GetFont() const;

    QListWidget& Faces() { return *faces_; }
    QCheckBox& UseDefault() { return *useDefault_; }
    QCheckBox& Bold() { return *bold_; }
    QCheckBox& Italics() { return *italics_; }
    const FontPreviewStatic& Preview() const { return *preview_; }

private:
    void SelectFace(const std::u16string& face);
    void FaceChosen();
    void StyleChanged();
    void UseDefaultChanged(bool on);
    void EnableChoices(bool enable);
    void ShowPreview();

    FontData font_;
    FontData defaultFont_;
    Offers offers_;
    QListWidget* faces_;
    FontPreviewStatic* preview_;
    QCheckBox* useDefault_;
    QCheckBox* bold_;
    QCheckBox* italics_;
};

}  // namespace vesk
