#include "notewnd/QtTextMeasurer.h"

#include "notewnd/QtFontEngine.h"
#include "settings/FontData.h"

namespace vesk {

QtTextMeasurer::QtTextMeasurer(const FontData& font, QPaintDevice* device) {
    const std::optional<QtDrawingFonts> fonts = QtDrawingFonts::Usable(font);
    if (!fonts) {
        return;
    }
    plain_ = fonts->GetPlainFont();
    link_ = fonts->GetLinkFont();
    metrics_.emplace(plain_, device);
    lineHeight_ = static_cast<std::int32_t>(metrics_->lineSpacing());
}

std::int32_t QtTextMeasurer::MeasureText(const std::u16string& text) const {
    if (!metrics_) {
        return 0;
    }
    return static_cast<std::int32_t>(metrics_->horizontalAdvance(QString::fromStdU16String(text)));
}

QString QtTextMeasurer::Elided(const QString& text, int width) const {
    return metrics_ ? metrics_->elidedText(text, Qt::ElideRight, width) : QString();
}

}  // namespace vesk
