#include "notebook/CheckBoxPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace vesk {

namespace {

QImage DrawCheckBox(bool checked) {
    QImage picture(16, 16, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, 13, 13);
    if (checked) {
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(3.0, 7.0);
        tick.lineTo(5.8, 10.0);
        tick.lineTo(11.0, 3.5);
        painter.setPen(QPen(QColor(24, 24, 24), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    return picture;
}

}  // namespace

const QImage& CheckBoxPicture(bool checked) {
    static const QImage empty = DrawCheckBox(false);
    static const QImage ticked = DrawCheckBox(true);
    return checked ? ticked : empty;
}

}  // namespace vesk
