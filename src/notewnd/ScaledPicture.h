#pragma once

#include <QImage>
#include <QSize>
#include <memory>

#include "notes/Bitmap.h"

namespace vesk {

// A note's picture in the form and at the size it is drawn. The record's
// bitmap is converted once per picture, and scaled again only when the size
// drawn changes, so repainting a note that shows a large photo (while it is
// dragged, say) is a plain copy of pixels.
class ScaledPicture {
public:
    // The picture scaled to size device pixels, carrying the device's ratio.
    const QImage& At(const std::shared_ptr<const Bitmap>& picture, QSize size, qreal ratio);
    // Lets go of the pictures held.
    void Clear();

private:
    // Which bitmap the images were made from; it is not kept alive for them.
    std::weak_ptr<const Bitmap> source_;
    // The converted picture, no larger than the largest note can show it.
    QImage converted_;
    int convertedLimit_ = 0;
    QImage scaled_;
};

}  // namespace vesk
