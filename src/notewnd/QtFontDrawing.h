#pragma once

#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>

#include "settings/FontData.h"
#include "xml/TextForms.h"

class QPainter;

namespace vesk {

// Text in a font record's drawing fonts: one line, neither wrapped nor
// clipped, left-aligned or centred in the box and top-aligned. The link font
// is taken when asked for. False, with nothing drawn, when the record has no
// drawing fonts of the Qt engine.
bool DrawText(QPainter& painter, const FontData& font, COLORREF color, const QRectF& box,
              const QString& text, bool centred, bool link);

// The box that the text takes in the record's plain font, from (0, 0); none
// without drawing fonts.
std::optional<QRect> MeasureText(const FontData& font, const QString& text);

}  // namespace vesk
