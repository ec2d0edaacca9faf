#pragma once

#include <QRect>
#include <vector>

#include "notewnd/TextLayout.h"
#include "xml/TextForms.h"

class QPainter;

namespace vesk {

class QtTextMeasurer;

// Saves the painter's state, then has it draw antialiased and clipped to
// the box until the state is restored.
void BeginTextIn(QPainter& painter, const QRect& box);

// Draws a paragraph wrapped into the box, its first line at the box's top,
// in the colour, links in the underlined link font; returns the y below its
// last line. Each link drawn where the painter's clip lets it be seen is
// added to links with its rectangle cut to the clip, so a click can only
// open a link that shows.
int DrawParagraph(QPainter& painter, const QtTextMeasurer& font, COLORREF colour,
                  const TextParagraph& paragraph, const QRect& box, bool centred,
                  std::vector<LinkRecord>& links);

// The paragraphs one below the other from the box's top; returns the y
// below the last.
int DrawLayout(QPainter& painter, const QtTextMeasurer& font, COLORREF colour,
               const TextLayout& layout, const QRect& box, bool centred,
               std::vector<LinkRecord>& links);

}  // namespace vesk
