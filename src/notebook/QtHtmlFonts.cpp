#include "notebook/QtHtmlFonts.h"

#include <QFontInfo>
#include <QString>
#include <algorithm>
#include <cmath>

namespace vesk {

QtHtmlVariant::QtHtmlVariant(const QFont& font, QPaintDevice* device)
    : font_(font),
      metrics_(font, device),
      lineHeight_(static_cast<std::int32_t>(std::lround(metrics_.height()))) {}

std::int32_t QtHtmlVariant::MeasureText(const std::u16string& text) const {
    return static_cast<std::int32_t>(
        std::lround(metrics_.horizontalAdvance(QString::fromStdU16String(text))));
}

QtHtmlFonts::QtHtmlFonts(const QFont& font, QPaintDevice* device)
    : font_(font), pixelSize_(QFontInfo(font).pixelSize()), device_(device) {}

const QtHtmlVariant& QtHtmlFonts::Variant(unsigned style) const {
    style %= HtmlStyle::kCount;
    std::optional<QtHtmlVariant>& variant = variants_[style];
    if (!variant) {
        QFont font = font_;
        font.setPixelSize(std::max(1, -HtmlFontHeight(-pixelSize_, style)));
        font.setWeight((style & HtmlStyle::kBold) != 0 ? QFont::Bold : QFont::Normal);
        font.setItalic((style & HtmlStyle::kItalic) != 0);
        font.setUnderline((style & HtmlStyle::kUnderline) != 0);
        variant.emplace(font, device_);
    }
    return *variant;
}

}  // namespace vesk
