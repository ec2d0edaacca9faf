#include "notebook/QtHtmlFonts.h"

#include <QFontInfo>
#include <QString>
#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr std::size_t kMaxKnownWidths = 16384;

}  // namespace

QtHtmlVariant::QtHtmlVariant(const QFont& font, QPaintDevice* device)
    : font_(font),
      metrics_(font, device),
      lineHeight_(static_cast<std::int32_t>(std::lround(metrics_.height()))) {}

std::int32_t QtHtmlVariant::MeasureText(const std::u16string& text) const {
    if (const auto known = widths_.find(text); known != widths_.end()) {
        return known->second;
    }
    // Forgetting them all now and then keeps a long run's memory bounded.
    if (widths_.size() >= kMaxKnownWidths) {
        widths_.clear();
    }
    const auto width = static_cast<std::int32_t>(
        std::lround(metrics_.horizontalAdvance(QString::fromStdU16String(text))));
    widths_.emplace(text, width);
    return width;
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
