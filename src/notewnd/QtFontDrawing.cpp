#include "notewnd/QtFontDrawing.h"

#include <QColor>
#include <QFontMetricsF>
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

std::optional<QRect> MeasureText(const FontData& font, const QString& text) {
    const QtDrawingFonts* fonts = QtDrawingFonts::Of(font);
    if (fonts == nullptr) {
        return std::nullopt;
    }
    const QFontMetricsF metrics(fonts->GetPlainFont());
    return QRect(0, 0, static_cast<int>(metrics.horizontalAdvance(text)),
                 static_cast<int>(metrics.lineSpacing()));
}

}  // namespace vesk
