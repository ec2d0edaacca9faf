#include "notewnd/QtImageDecoder.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace vesk {

namespace {

// Bytes a plugin may hold per pixel while decoding: four 16-bit channels.
constexpr qint64 kDecodingBytesPerPixel = 8;
constexpr int kBytesPerMegabyte = 1 << 20;

// Qt refuses any image past its allocation limit, which is smaller than a
// photo of a good camera with deep colour. A picture within the sides
// allowed gets the room it needs for its one read; the limit keeps guarding
// every other image.
class RoomForPicture {
public:
    explicit RoomForPicture(QSize size) : previous_(QImageReader::allocationLimit()) {
        if (!size.isValid() || previous_ == 0) return;
        const qint64 needed =
            qint64{size.width()} * size.height() * kDecodingBytesPerPixel / kBytesPerMegabyte + 1;
        if (needed > previous_) QImageReader::setAllocationLimit(static_cast<int>(needed));
    }
    ~RoomForPicture() { QImageReader::setAllocationLimit(previous_); }
    RoomForPicture(const RoomForPicture&) = delete;
    RoomForPicture& operator=(const RoomForPicture&) = delete;

private:
    int previous_;
};

bool WithinSides(QSize size) {
    return size.width() <= QtImageDecoder::kMaxSide && size.height() <= QtImageDecoder::kMaxSide;
}

}  // namespace

std::unique_ptr<Bitmap> QtImageDecoder::Decode(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdU16String(path.u16string()));
    // From the file's header, before a single pixel is decoded; invalid for
    // a format that cannot tell, whose read the allocation limit bounds.
    const QSize size = reader.size();
    if (!WithinSides(size)) return nullptr;
    QImage image;
    {
        const RoomForPicture room(size);
        image = reader.read();
    }
    if (image.isNull() || !WithinSides(image.size())) return nullptr;
    // In place where the depth allows: a photo is not held twice over.
    image.convertTo(QImage::Format_ARGB32);
    // Format_ARGB32 is already the bitmap's layout: one 0xAARRGGBB word per
    // pixel, not premultiplied; only the row padding differs.
    auto bitmap = std::make_unique<Bitmap>(image.width(), image.height(), Bitmap::Unfilled{});
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(),
                  bitmap->GetPixels() + static_cast<std::ptrdiff_t>(y) * image.width());
    }
    return bitmap;
}

}  // namespace vesk
