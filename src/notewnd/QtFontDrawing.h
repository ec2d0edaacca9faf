#pragma once

#include <QRectF>
#include <QString>

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

}  // namespace vesk
