#include "notewnd/NotePainter.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "notes/NoteData.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QtFontDrawing.h"

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

QColor Opaque(COLORREF color) {
    return {int(GetRValue(color)), int(GetGValue(color)), int(GetBValue(color))};
}

void PaintBody(QPainter& painter, const NotePaintInput& in) {
    const StyleData& style = in.note.GetStyle();
    QLinearGradient gradient(0, in.area.top(), 0, in.area.top() + in.area.height());
    gradient.setColorAt(0, Opaque(style.bgcolor));
    gradient.setColorAt(1, Opaque(style.bg2color));
    painter.fillRect(in.area, gradient);
}

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
    painter.setPen(QPen(Opaque(in.note.GetStyle().titlecolor), kClockPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(left, top, h, h));
    painter.drawLine(QPointF(left + q, top), hub);
    painter.drawLine(QPointF(left + 5 * (h / 6), top + h / 2 + 1), hub);
    painter.restore();
}

void PaintTitle(QPainter& painter, const NotePaintInput& in) {
    const QString title = QString::fromStdU16String(in.note.GetTitle());
    const int right = in.area.left() + in.area.width() - kTitleInset;
    int left = in.area.left() + kTitleInset;
    bool centred = true;
    // A long title next to the clock starts after it instead of running over
    // it.
    if (in.note.GetAlarm() != nullptr) {
        const auto measured = MeasureText(in.titleFont, title);
        if (measured && measured->width() > right - 2 * in.titleBarHeight - left) {
            left = in.titleBarHeight;
            centred = false;
        }
    }
    const int top = in.area.top() + kTitleTop;
    const QRectF box(left, top, right - left, in.titleBarHeight - kTitleBottomGap - top);
    const COLORREF colour = in.printing ? RGB(0, 0, 0) : in.note.GetStyle().titlecolor;
    DrawText(painter, in.titleFont, colour, box, title, centred, false);
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

// Black along the right and bottom edges, starting 2 pixels in so that it
// looks cast; the window shape cuts off its two outer ends.
void PaintShadow(QPainter& painter, const NotePaintInput& in) {
    const int right = in.area.left() + in.area.width();
    const int bottom = in.area.top() + in.area.height();
    painter.fillRect(QRect(right, kShadowWidth, kShadowWidth, bottom), Qt::black);
    painter.fillRect(QRect(kShadowWidth, bottom, right - kShadowWidth, kShadowWidth), Qt::black);
}

}  // namespace

void PaintNoteBackground(QPainter& painter, const NotePaintInput& in) {
    if (!in.printing) {
        PaintBody(painter, in);
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
        PaintShadow(painter, in);
    }
}

}  // namespace vesk
