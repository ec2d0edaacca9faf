#include "notewnd/ScaledPicture.h"

#include <algorithm>
#include <cmath>

#include "notes/NoteSize.h"

namespace vesk {

namespace {

bool IsOpaque(const Bitmap& bitmap) {
    const std::uint32_t* pixels = bitmap.GetPixels();
    return std::all_of(pixels, pixels + bitmap.GetPixelCount(),
                       [](std::uint32_t argb) { return AlphaOf(argb) == 0xff; });
}

// Qt scales and draws premultiplied pixels. An opaque bitmap's words are
// already Format_RGB32 and are read in place; one with transparency needs a
// premultiplied copy first. No side is kept longer than the limit.
QImage Convert(const Bitmap& bitmap, int limit) {
    const bool opaque = IsOpaque(bitmap);
    const int width = bitmap.GetWidth();
    const int height = bitmap.GetHeight();
    const QImage pixels(reinterpret_cast<const uchar*>(bitmap.GetPixels()), width, height,
                        static_cast<qsizetype>(width) * 4,
                        opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    const QSize held(std::min(width, limit), std::min(height, limit));
    if (held != pixels.size()) {
        return pixels.scaled(held, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // A copy, since the bitmap may go while the picture is still held.
    return opaque ? pixels.copy() : pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool SameOwner(const std::weak_ptr<const Bitmap>& held,
               const std::shared_ptr<const Bitmap>& picture) {
    return !held.owner_before(picture) && !picture.owner_before(held);
}

}  // namespace

const QImage& ScaledPicture::At(const std::shared_ptr<const Bitmap>& picture, QSize size,
                                qreal ratio) {
    const int limit = static_cast<int>(std::ceil(kMaxNoteSide * ratio));
    if (!SameOwner(source_, picture) || limit != convertedLimit_) {
        converted_ = Convert(*picture, limit);
        convertedLimit_ = limit;
        source_ = picture;
        scaled_ = QImage();
    }
    if (scaled_.size() != size) {
        scaled_ = converted_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    scaled_.setDevicePixelRatio(ratio);
    return scaled_;
}

void ScaledPicture::Clear() {
    source_.reset();
    converted_ = QImage();
    convertedLimit_ = 0;
    scaled_ = QImage();
}

}  // namespace vesk
