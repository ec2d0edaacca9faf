#include "notebook/CLinkButton.h"

#include <QPainter>

#include "notebook/NotebookPictures.h"

namespace vesk {

namespace {
constexpr int kFontHeight = 16;
}  // namespace

CLinkButton::CLinkButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setFont(CellHeightFont(QStringLiteral("Arial"), kFontHeight));
    setCursor(Qt::PointingHandCursor);
}

void CLinkButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), hovered_ ? QColor(Qt::white) : QColor(255, 155, 0));
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

void CLinkButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CLinkButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace vesk
