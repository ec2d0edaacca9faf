#include "notewnd/TextDrawing.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <optional>

#include "notewnd/NoteGeometry.h"
#include "notewnd/QtColors.h"
#include "notewnd/QtTextMeasurer.h"

namespace vesk {

namespace {

// Where painting can show, in the painter's coordinates; none when it is not
// clipped.
std::optional<QRect> VisibleArea(const QPainter& painter) {
    if (!painter.hasClipping()) {
        return std::nullopt;
    }
    return painter.clipBoundingRect().toAlignedRect();
}

}  // namespace

void BeginTextIn(QPainter& painter, const QRect& box) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setClipRect(box);
}

int DrawParagraph(QPainter& painter, const QtTextMeasurer& font, COLORREF colour,
                  const TextParagraph& paragraph, const QRect& box, bool centred,
                  std::vector<LinkRecord>& links) {
    const std::int32_t lineHeight = font.LineHeight();
    const ParagraphPlacement placement =
        LayoutParagraph(paragraph, ToRect(box), centred, lineHeight);
    if (!font.IsUsable()) {
        return placement.bottom;
    }
    const std::optional<QRect> visible = VisibleArea(painter);
    painter.save();
    // Stored colours carry no alpha: text is always fully opaque.
    painter.setPen(ToQColor(colour));
    bool linkFont = false;
    painter.setFont(font.PlainFont());
    for (const PlacedToken& placed : placement.tokens) {
        const TextToken& token = *placed.token;
        // Lines outside the clip cost shaping time and show nothing.
        if (visible && (placed.y + lineHeight <= visible->top() ||
                        placed.y >= visible->top() + visible->height())) {
            continue;
        }
        if (token.link != linkFont) {
            linkFont = token.link;
            painter.setFont(linkFont ? font.LinkFont() : font.PlainFont());
        }
        painter.drawText(QPointF(placed.x, placed.y + font.Ascent()),
                         QString::fromStdU16String(token.text));
        if (token.link) {
            QRect rect(placed.x, placed.y, token.width, lineHeight);
            if (visible) {
                rect = rect.intersected(*visible);
            }
            if (!rect.isEmpty()) {
                links.push_back({token.text, ToRect(rect)});
            }
        }
    }
    painter.restore();
    return placement.bottom;
}

int DrawLayout(QPainter& painter, const QtTextMeasurer& font, COLORREF colour,
               const TextLayout& layout, const QRect& box, bool centred,
               std::vector<LinkRecord>& links) {
    QRect remaining = box;
    for (const TextParagraph& paragraph : layout) {
        remaining.setTop(
            DrawParagraph(painter, font, colour, paragraph, remaining, centred, links));
    }
    return remaining.top();
}

}  // namespace vesk
