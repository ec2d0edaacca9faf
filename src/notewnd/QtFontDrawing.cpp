#include "notewnd/QtFontDrawing.h"

#include <QColor>
#include <QPainter>

#include "notewnd/QtColors.h"
#include "notewnd/QtFontEngine.h"

namespace vesk {

bool DrawText(QPainter& painter, const FontData& font, COLORREF color, const QRectF& box,
              const QString& text, bool centred, bool link) {
    const QtDrawingFonts* fonts = QtDrawingFonts::Of(font);
    if (fonts == nullptr) {
        return false;
    }
    painter.save();
    painter.setFont(link ? fonts->GetLinkFont() : fonts->GetPlainFont());
    // Stored colours carry no alpha: text is always fully opaque.
    painter.setPen(ToQColor(color));
    const int alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(box, alignment | Qt::TextSingleLine | Qt::TextDontClip, text);
    painter.restore();
    return true;
}

}  // namespace vesk
