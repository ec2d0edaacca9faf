#include "notebook/HtmlDrawing.h"

#include <QPainter>
#include <QString>

#include "notebook/QtHtmlFonts.h"
#include "notewnd/QtColors.h"

namespace vesk {

void DrawHTML(QPainter& painter, const HtmlLayout& layout, std::u16string_view text,
              const QtHtmlFonts& fonts, QPoint origin) {
    for (const HtmlRun& run : layout.runs) {
        const QtHtmlVariant& variant = fonts.Variant(run.style);
        // An empty run is the underlined blank before an underlined word.
        const std::u16string_view word =
            run.length == 0 ? std::u16string_view(u" ") : text.substr(run.start, run.length);
        painter.setFont(variant.Font());
        painter.setPen(ToQColor(run.color));
        painter.drawText(QPointF(origin.x() + run.x, origin.y() + run.y + variant.Ascent()),
                         QString(reinterpret_cast<const QChar*>(word.data()),
                                 static_cast<qsizetype>(word.size())));
    }
}

}  // namespace vesk
