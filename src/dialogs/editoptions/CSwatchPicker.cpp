#include "dialogs/editoptions/CSwatchPicker.h"

#include <QLinearGradient>
#include <QPainter>
#include <utility>

#include "notewnd/QtColors.h"
#include "settings/ThemeData.h"

namespace vesk {

bool SameColors(const StyleData& a, const StyleData& b) {
    return a.bgcolor == b.bgcolor && a.bg2color == b.bg2color && a.titlecolor == b.titlecolor &&
           a.textcolor == b.textcolor;
}

Swatches BuildSwatches(const ThemeData* theme, const StyleData& noteStyle) {
    Swatches swatches;
    int matching = -1;
    if (theme != nullptr) {
        for (const auto& [id, style] : theme->GetStyles()) {
            if (matching < 0 && SameColors(style, noteStyle)) {
                matching = static_cast<int>(swatches.styles.size());
            }
            swatches.styles.push_back(style);
        }
    }
    if (matching < 0) {
        swatches.styles.insert(swatches.styles.begin(), noteStyle);
        matching = 0;
    }
    swatches.current = matching;
    return swatches;
}

CSwatchPicker::CSwatchPicker(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(kSide, kSide));
}

void CSwatchPicker::SetSwatches(Swatches swatches) {
    styles_ = std::move(swatches.styles);
    // Filling the list is no choice of the user's.
    const QSignalBlocker quiet(this);
    clear();
    for (const StyleData& style : styles_) {
        addItem(QIcon(Picture(style)), QString());
        setItemData(count() - 1, QString::fromStdU16String(style.name), Qt::ToolTipRole);
    }
    setCurrentIndex(swatches.current);
}

QPixmap CSwatchPicker::Picture(const StyleData& style) {
    QPixmap picture(kSide, kSide);
    QPainter painter(&picture);
    QLinearGradient body(0, 0, 0, kSide);
    body.setColorAt(0, ToQColor(style.bgcolor));
    body.setColorAt(1, ToQColor(style.bg2color));
    painter.fillRect(picture.rect(), body);
    // A grey hairline sets pale swatches off the list.
    painter.setPen(Qt::gray);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

}  // namespace vesk
