#include "notewnd/NotePainter.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "notes/NoteData.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QtColors.h"
#include "notewnd/QtFontDrawing.h"
#include "notewnd/QtTextMeasurer.h"

namespace vesk {

namespace {

// How far the title strip darkens towards its lower edge, of 255.
constexpr int kTitleShade = 15;
constexpr double kClockPenWidth = 1.5;
constexpr double kFramePenWidth = 3.0;
// The title keeps this far from the sides of the note.
constexpr int kTitleInset = 5;
constexpr int kTitleTop = 6;
constexpr int kTitleBottomGap = 4;
constexpr int kTitleEditInset = 5;

void PaintTitleStrip(QPainter& painter, const NotePaintInput& in) {
    const QRect strip(in.area.left(), in.area.top(), in.area.width(), in.titleBarHeight);
    QLinearGradient gradient(0, strip.top(), 0, strip.top() + in.titleBarHeight);
    gradient.setColorAt(0, QColor(0, 0, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 0, kTitleShade));
    painter.fillRect(strip, gradient);
}

// A clock showing three o'clock in the title bar's left corner.
void PaintAlarmClock(QPainter& painter, const NotePaintInput& in) {
    const int h = in.titleBarHeight / 2;
    const int q = h / 2;
    const int o = h - q;
    const double left = in.area.left() + o;
    const double top = in.area.top() + o;
    const QPointF hub(left + h / 2, top + h / 2 + 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(in.note.GetStyle().titlecolor), kClockPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(left, top, h, h));
    painter.drawLine(QPointF(left + q, top), hub);
    painter.drawLine(QPointF(left + 5 * (h / 6), top + h / 2 + 1), hub);
    painter.restore();
}

void PaintTitle(QPainter& painter, const NotePaintInput& in) {
    // Measured on the device drawn to: the printer's resolution differs.
    const QtTextMeasurer font(in.titleFont, painter.device());
    const int width = font.MeasureText(in.note.GetTitle());
    const int right = in.area.left() + in.area.width() - kTitleInset;
    int left = in.area.left() + kTitleInset;
    // A long title next to the clock starts after it instead of running over
    // it.
    const bool afterClock =
        in.note.GetAlarm() != nullptr && width > right - 2 * in.titleBarHeight - left;
    if (afterClock) {
        left = in.area.left() + in.titleBarHeight;
    }
    // One too long for its box shows its start and ends in an ellipsis.
    const bool fits = width <= right - left;
    const QString title = QString::fromStdU16String(in.note.GetTitle());
    const int top = in.area.top() + kTitleTop;
    const QRectF box(left, top, right - left, in.titleBarHeight - kTitleBottomGap - top);
    const COLORREF colour = in.printing ? RGB(0, 0, 0) : in.note.GetStyle().titlecolor;
    DrawText(painter, in.titleFont, colour, box, fits ? title : font.Elided(title, right - left),
             fits && !afterClock, false);
}

void PaintEditFrames(QPainter& painter, const NotePaintInput& in) {
    painter.save();
    painter.setPen(QPen(Qt::black, kFramePenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kTitleEditInset, kTitleEditInset,
                            in.area.width() - 2 * kTitleEditInset + 1,
                            in.titleBarHeight - 2 * kTitleEditInset));
    painter.drawRect(QRectF(in.contentFrame.x(), in.contentFrame.y(), in.contentFrame.width(),
                            in.contentFrame.height()));
    painter.restore();
}

}  // namespace

void PaintStyleGradient(QPainter& painter, const QRect& area, const StyleData& style) {
    QLinearGradient gradient(0, area.top(), 0, area.top() + area.height());
    gradient.setColorAt(0, ToQColor(style.bgcolor));
    gradient.setColorAt(1, ToQColor(style.bg2color));
    painter.fillRect(area, gradient);
}

void PaintShadow(QPainter& painter, const QRect& area) {
    const int right = area.left() + area.width();
    const int bottom = area.top() + area.height();
    painter.fillRect(QRect(right, kShadowWidth, kShadowWidth, bottom), Qt::black);
    painter.fillRect(QRect(kShadowWidth, bottom, right - kShadowWidth, kShadowWidth), Qt::black);
}

void PaintNoteBackground(QPainter& painter, const NotePaintInput& in) {
    if (!in.printing) {
        PaintStyleGradient(painter, in.area, in.note.GetStyle());
    }
    if (in.titleBarShown && !in.printing) {
        PaintTitleStrip(painter, in);
    }
    if (in.note.GetAlarm() != nullptr) {
        PaintAlarmClock(painter, in);
    }
    if ((in.titleBarShown || in.note.IsShaded()) && !in.note.GetTitle().empty() && !in.editing) {
        PaintTitle(painter, in);
    }
    if (in.editing) {
        PaintEditFrames(painter, in);
    }
    if (in.shadow && !in.printing) {
        PaintShadow(painter, in.area);
    }
}

}  // namespace vesk
