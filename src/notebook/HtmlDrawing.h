#pragma once

#include <QPoint>
#include <string_view>

#include "notebook/HtmlLayout.h"

class QPainter;

namespace vesk {

class QtHtmlFonts;

// Draws mini-HTML as LayOutHtml placed it, in the variants it measured, with
// the layout's top left at the origin. The text is the one laid out.
void DrawHTML(QPainter& painter, const HtmlLayout& layout, std::u16string_view text,
              const QtHtmlFonts& fonts, QPoint origin);

}  // namespace vesk
