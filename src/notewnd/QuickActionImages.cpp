#include "notewnd/QuickActionImages.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QString>
#include <QSvgRenderer>

namespace vesk {

namespace {

const char* ImageName(int imageId) {
    switch (imageId) {
        case QuickActionImage::kCrumplePressed:
            return "crumple-pressed";
        case QuickActionImage::kCrumple:
            return "crumple";
        case QuickActionImage::kShadePressed:
            return "shade-pressed";
        case QuickActionImage::kShade:
            return "shade";
        case QuickActionImage::kUnshadePressed:
            return "unshade-pressed";
        case QuickActionImage::kUnshade:
            return "unshade";
        default:
            return nullptr;
    }
}

}  // namespace

QPixmap LoadQuickActionImage(int imageId) {
    const char* name = ImageName(imageId);
    if (name == nullptr) {
        return {};
    }
    // Every note's box shows the same few pictures: each is drawn once and
    // shared, rather than drawn again for every note that is made.
    const QString key = QStringLiteral("vesk-quickaction-%1").arg(imageId);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    QSvgRenderer renderer(
        QStringLiteral(":/icons/quickaction/%1.svg").arg(QString::fromLatin1(name)));
    // Drawn once into a plain opaque bitmap, as the buttons always show it at
    // this size.
    QImage image(QuickActionImage::kSide, QuickActionImage::kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace vesk
