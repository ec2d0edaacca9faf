#include "dialogs/CColorSwatchButton.h"

#include <QPainter>

#include "dialogs/UserPrompts.h"
#include "notewnd/QtColors.h"

namespace vesk {

namespace {
constexpr int kSwatchWidth = 40;
constexpr int kSwatchHeight = 20;
}  // namespace

CColorSwatchButton::CColorSwatchButton(COLORREF color, QWidget* parent)
    : QPushButton(parent), color_(color) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CColorSwatchButton::Choose);
}

void CColorSwatchButton::SetColor(COLORREF color) {
    color_ = color;
    update();
}

QSize CColorSwatchButton::sizeHint() const { return {kSwatchWidth + 8, kSwatchHeight + 8}; }

void CColorSwatchButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch = rect().adjusted(4, 4, -5, -5);
    painter.fillRect(swatch, ToQColor(color_));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(swatch);
}

void CColorSwatchButton::Choose() {
    const QColor chosen = UserPrompts::Current().ChooseColor(this, ToQColor(color_));
    if (!chosen.isValid()) {
        return;
    }
    SetColor(RGB(chosen.red(), chosen.green(), chosen.blue()));
    emit ColorChosen(color_);
}

}  // namespace vesk
