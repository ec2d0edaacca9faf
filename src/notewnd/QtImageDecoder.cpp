#include "notewnd/QtImageDecoder.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace vesk {

std::unique_ptr<Bitmap> QtImageDecoder::Decode(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdU16String(path.u16string()));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        return nullptr;
    }
    // Format_ARGB32 is already the bitmap's layout: one 0xAARRGGBB word per
    // pixel, not premultiplied; only the row padding differs.
    auto bitmap = std::make_unique<Bitmap>(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(),
                  bitmap->GetPixels() + static_cast<std::ptrdiff_t>(y) * image.width());
    }
    return bitmap;
}

}  // namespace vesk
