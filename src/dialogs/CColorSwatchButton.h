#pragma once

#include <QPushButton>

#include "xml/TextForms.h"

namespace vesk {

// A button filled with its colour; clicking it lets the user choose another.
class CColorSwatchButton : public QPushButton {
    Q_OBJECT

public:
    explicit CColorSwatchButton(COLORREF color, QWidget* parent = nullptr);

    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);
    QSize sizeHint() const override;

signals:
    void ColorChosen(COLORREF color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    COLORREF color_;
};

}  // namespace vesk
