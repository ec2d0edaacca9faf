#include "notewnd/ChecklistPainting.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <algorithm>

#include "notewnd/ChecklistLayout.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QtColors.h"
#include "notewnd/TextDrawing.h"
#include "settings/StyleData.h"

namespace vesk {

namespace {

constexpr int kBoxSide = 10;
// The text starts this far right of the box's left edge.
constexpr int kTextIndent = 20;
// Between the last line of an item and the first of the next.
constexpr int kItemGap = 5;

// Where an item's text wraps: right of its box, from its top down.
QRect TextBox(const QRect& box, int top) {
    return {box.x() + kTextIndent, top, box.width() - kTextIndent,
            std::max(0, box.y() + box.height() - top)};
}

bool IsImportant(const ChecklistItemsPaint& paint, std::size_t item) {
    return !paint.items[item].checked && paint.layout.EndsInExclamation(item);
}

const QtTextMeasurer& TextFont(const ChecklistItemsPaint& paint, std::size_t item) {
    return IsImportant(paint, item) ? paint.layout.BoldFont() : paint.layout.PlainFont();
}

// The box's square, centred on a line of the note's font from the top.
QRect BoxAt(const ChecklistItemsPaint& paint, const QRect& box, int top) {
    const int lineHeight = paint.layout.PlainFont().LineHeight();
    return {box.x(), top + (lineHeight - kBoxSide) / 2, kBoxSide, kBoxSide};
}

// A filled arrow pointing right, in place of the box.
void PaintArrow(QPainter& painter, const QRect& square, COLORREF colour) {
    const QPointF corners[] = {QPointF(square.x(), square.y()),
                               QPointF(square.x() + kBoxSide, square.y() + kBoxSide / 2),
                               QPointF(square.x(), square.y() + kBoxSide)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colour));
    painter.drawPolygon(corners, 3);
}

// The box's outline on its square's pixels; a tick that reaches out past
// its top-right corner when ticked.
void PaintBox(QPainter& painter, const QRect& square, bool ticked, const ChecklistInk& ink) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ToQColor(ticked ? ink.faded : ink.text), 1));
    painter.drawRect(QRectF(square).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!ticked) {
        return;
    }
    constexpr int w = kBoxSide;
    const int left = square.x();
    const int top = square.y();
    const int bottom = top + w;
    painter.setPen(QPen(ToQColor(ink.faded), 2));
    painter.drawLine(QPointF(left, top + w / 3), QPointF(left + w / 2, bottom - w / 6));
    painter.drawLine(QPointF(left + w / 2, bottom - w / 4), QPointF(left + w + 2, top - 2));
}

}  // namespace

ChecklistInk ChecklistInk::OnScreen(const StyleData& style) {
    const COLORREF text = style.textcolor;
    const COLORREF back = style.bgcolor;
    return {text,
            RGB((GetRValue(text) + GetRValue(back)) / 2, (GetGValue(text) + GetGValue(back)) / 2,
                (GetBValue(text) + GetBValue(back)) / 2)};
}

ChecklistInk ChecklistInk::OnPaper() { return {RGB(0, 0, 0), RGB(0, 0, 0)}; }

int PaintChecklistItems(QPainter& painter, const ChecklistItemsPaint& paint, const QRect& box,
                        std::vector<ChecklistRow>& rows, std::vector<LinkRecord>& links) {
    // Marks that cannot show are not drawn; text is skipped line by line.
    const QRect visible = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : box;
    int top = box.y();
    int bottom = top;
    for (std::size_t item = paint.first; item < paint.end; ++item) {
        const bool ticked = paint.items[item].checked;
        const bool important = IsImportant(paint, item);
        const QRect square = BoxAt(paint, box, top);
        rows.push_back({square, important});
        // The tick reaches 2 pixels out of the square.
        if (square.adjusted(0, -2, 2, 0).intersects(visible)) {
            if (important) {
                PaintArrow(painter, square, paint.ink.text);
            } else {
                PaintBox(painter, square, ticked, paint.ink);
            }
        }
        bottom =
            DrawParagraph(painter, TextFont(paint, item), ticked ? paint.ink.faded : paint.ink.text,
                          paint.layout.Paragraph(item), TextBox(box, top), false, links);
        top = bottom + kItemGap;
    }
    return bottom;
}

std::size_t ChecklistItemsThatFit(const ChecklistItemsPaint& paint, const QRect& box) {
    const int boxBottom = box.y() + box.height();
    int top = box.y();
    for (std::size_t item = paint.first; item < paint.end; ++item) {
        const TextParagraph& paragraph = paint.layout.Paragraph(item);
        const int bottom = LayoutParagraph(paragraph, ToRect(TextBox(box, top)), false,
                                           TextFont(paint, item).LineHeight())
                               .bottom;
        if (bottom > boxBottom && item > paint.first) {
            return item;
        }
        top = bottom + kItemGap;
    }
    return paint.end;
}

}  // namespace vesk
