#pragma once

#include <QRect>

#include "xml/TextForms.h"

class QPainter;

namespace vesk {

// The small triangles in the content's right corners that tell there is
// more to scroll to: pointing up at the top when scrolled down, pointing
// down at the bottom when content lies below. Drawn pixel row by row so
// they stay crisp at any opacity.
void PaintScrollHints(QPainter& painter, const QRect& content, COLORREF colour, bool up, bool down);

}  // namespace vesk
