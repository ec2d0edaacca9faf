#include "notebook/NotePreviewStatic.h"

#include <QLinearGradient>
#include <QPainter>

#include "notebook/NotebookPictures.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QtColors.h"

namespace vesk {

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr int kFontHeight = 16;

}  // namespace

NotePreviewStatic::NotePreviewStatic(bool shadow, QWidget* parent)
    : QWidget(parent), shadow_(shadow) {
    ClearStyle();
}

void NotePreviewStatic::SetStyle(const StyleData& style) {
    style_ = style;
    update();
}

void NotePreviewStatic::ClearStyle() {
    style_.bgcolor = kGrey;
    style_.bg2color = kGrey;
    style_.textcolor = kGrey;
    style_.titlecolor = kGrey;
    update();
}

void NotePreviewStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFont font = CellHeightFont(QStringLiteral("Arial"), kFontHeight);
    painter.setFont(font);
    QRect area = rect();
    if (shadow_) {
        area.adjust(0, 0, -kShadowWidth, -kShadowWidth);
    }
    QLinearGradient gradient(0, 0, 0, area.height());
    gradient.setColorAt(0, ToQColor(style_.bgcolor));
    gradient.setColorAt(1, ToQColor(style_.bg2color));
    painter.fillRect(area, gradient);

    const QRect content = area.adjusted(10, 31, -10, -10);
    painter.setPen(ToQColor(style_.textcolor));
    painter.drawText(content, Qt::TextWordWrap,
                     painter.fontMetrics().elidedText(QStringLiteral("Content"), Qt::ElideRight,
                                                      content.width()));
    const QRect title(area.left(), area.top() + 2, area.width(), kFontHeight + 10);
    painter.setPen(ToQColor(style_.titlecolor));
    painter.drawText(
        title, Qt::AlignHCenter | Qt::AlignTop,
        painter.fontMetrics().elidedText(QStringLiteral("Note"), Qt::ElideRight, title.width()));
    if (shadow_) {
        const int right = area.right() + 1;
        const int bottom = area.bottom() + 1;
        painter.fillRect(QRect(right, kShadowWidth, kShadowWidth, bottom), Qt::black);
        painter.fillRect(QRect(kShadowWidth, bottom, right - kShadowWidth, kShadowWidth),
                         Qt::black);
    }
}

void NotePreviewStatic::resizeEvent(QResizeEvent*) {
    if (shadow_) {
        setMask(ShadowMask(size()));
    }
}

}  // namespace vesk
