#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>

#include "notewnd/TextLayout.h"

class QPaintDevice;

namespace vesk {

class FontData;

// A font record's plain and link fonts as they come out on one paint device
// (the screen when none is given), for cutting text into measured tokens and
// drawing them at the same sizes. A record without drawing fonts measures
// everything as 0 wide and draws nothing.
class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const FontData& font, QPaintDevice* device = nullptr);

    std::int32_t MeasureText(const std::u16string& text) const override;
    std::int32_t LineHeight() const override { return lineHeight_; }
    // The text cut at its end, with an ellipsis, to fit the width.
    QString Elided(const QString& text, int width) const;

    bool IsUsable() const { return metrics_.has_value(); }
    const QFont& PlainFont() const { return plain_; }
    const QFont& LinkFont() const { return link_; }
    // From a line's top to its baseline.
    double Ascent() const { return metrics_ ? metrics_->ascent() : 0.0; }

private:
    QFont plain_;
    QFont link_;
    std::optional<QFontMetricsF> metrics_;
    std::int32_t lineHeight_ = 0;
};

}  // namespace vesk
