#include "notebook/NotebookPictures.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "notebook/NoteRowText.h"

namespace vesk {

namespace {

constexpr int kStripHeight = 23;
constexpr int kBandHeight = 25;
constexpr int kIconSide = 32;
constexpr int kTabFontPixels = 11;
constexpr int kTabFontPixelsLeast = 7;
constexpr int kTabTextMargin = 3;

QPixmap VerticalGradient(int height, const QColor& top, const QColor& bottom) {
    QPixmap picture(3, height);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

// The same picture with its colours turned to grey, keeping what is
// transparent.
QImage Greyed(const QImage& coloured) {
    QImage grey = coloured.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = qGray(line[x]);
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey;
}

}  // namespace

QPixmap NotebookPictures::TabStrip() {
    return VerticalGradient(kStripHeight, QColor(96, 116, 150), QColor(60, 76, 108));
}

QPixmap NotebookPictures::Band() {
    return VerticalGradient(kBandHeight, QColor(252, 236, 190), QColor(236, 206, 130));
}

QPixmap NotebookPictures::Tab(const QString& caption, int width, bool down) {
    QPixmap picture(width, kStripHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rounded at the top, open at the bottom where it meets the band.
    QPainterPath shape;
    const QRectF face(1.5, 2.5, width - 3.0, kStripHeight);
    shape.addRoundedRect(face, 5, 5);
    QLinearGradient fill(0, 0, 0, kStripHeight);
    fill.setColorAt(0, down ? QColor(255, 250, 226) : QColor(214, 222, 236));
    fill.setColorAt(1, down ? QColor(252, 236, 190) : QColor(168, 182, 206));
    painter.fillPath(shape, fill);
    painter.setPen(QColor(40, 52, 76));
    painter.drawPath(shape);
    // The tabs' widths are fixed; a face whose bold caption is wider than its
    // tab (it varies by system font) gets a smaller size.
    QFont font = painter.font();
    font.setBold(down);
    for (int pixels = kTabFontPixels;; --pixels) {
        font.setPixelSize(pixels);
        const int room = width - 2 * kTabTextMargin;
        if (pixels == kTabFontPixelsLeast ||
            QFontMetrics(font).horizontalAdvance(caption) <= room) {
            break;
        }
    }
    painter.setFont(font);
    painter.setPen(down ? Qt::black : QColor(40, 52, 76));
    painter.drawText(QRect(0, 3, width, kStripHeight - 3), Qt::AlignCenter, caption);
    return picture;
}

QPixmap NotebookPictures::RowPicture(int index) {
    static const char* const kKinds[] = {"message", "checklist", "scribble"};
    if (index < 0 || index >= RowIcon::kCount) {
        return {};
    }
    const QIcon icon(
        QStringLiteral(":/icons/notebook/%1.svg").arg(QLatin1String(kKinds[index / 2])));
    QImage picture = icon.pixmap(kIconSide, kIconSide).toImage();
    return QPixmap::fromImage(index % 2 == 0 ? picture : Greyed(picture));
}

QFont CellHeightFont(const QString& family, int cellHeight) {
    QFont font(family);
    int size = cellHeight;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cellHeight) {
        font.setPixelSize(--size);
    }
    return font;
}

}  // namespace vesk
