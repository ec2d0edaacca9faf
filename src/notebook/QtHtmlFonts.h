#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "notebook/HtmlLayout.h"

class QPaintDevice;

namespace vesk {

// One variant: widths are rounded to the nearest pixel, so that words placed
// one after another keep the blanks between them. Rows repeat most of their
// words (labels, dates, title words), so widths are remembered.
class QtHtmlVariant : public TextMeasurer {
public:
    QtHtmlVariant(const QFont& font, QPaintDevice* device);

    std::int32_t MeasureText(const std::u16string& text) const override;
    std::int32_t LineHeight() const override { return lineHeight_; }
    const QFont& Font() const { return font_; }
    // From the top of the text to its baseline.
    double Ascent() const { return metrics_.ascent(); }

private:
    QFont font_;
    QFontMetricsF metrics_;
    std::int32_t lineHeight_;
    mutable std::unordered_map<std::u16string, std::int32_t> widths_;
};

// The variants of one Qt font for mini-HTML, each made when first asked for.
// The font's size is taken in pixels, as the variants' sizes are reckoned.
class QtHtmlFonts : public StyledTextMeasurer {
public:
    explicit QtHtmlFonts(const QFont& font, QPaintDevice* device = nullptr);

    const TextMeasurer& ForStyle(unsigned style) const override { return Variant(style); }
    const QtHtmlVariant& Variant(unsigned style) const;

private:
    QFont font_;
    int pixelSize_;
    QPaintDevice* device_;
    mutable std::array<std::optional<QtHtmlVariant>, HtmlStyle::kCount> variants_;
};

}  // namespace vesk
