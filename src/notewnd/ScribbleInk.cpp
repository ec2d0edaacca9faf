#include "notewnd/ScribbleInk.h"

#include <algorithm>

#include "notes/Bitmap.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {

std::array<QRgb, 256> InkPixels(COLORREF ink) {
    std::array<QRgb, 256> pixels{};
    for (int alpha = 0; alpha < 256; ++alpha) {
        pixels[alpha] = qPremultiply(qRgba(GetRValue(ink), GetGValue(ink), GetBValue(ink), alpha));
    }
    return pixels;
}

QImage InkImage(const Bitmap& drawing, COLORREF ink) {
    QImage image(drawing.GetWidth(), drawing.GetHeight(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    const std::array<QRgb, 256> pixels = InkPixels(ink);
    for (int y = 0; y < drawing.GetHeight(); ++y) {
        const std::uint32_t* from = drawing.GetPixels() + std::size_t(y) * drawing.GetWidth();
        std::transform(from, from + drawing.GetWidth(), reinterpret_cast<QRgb*>(image.scanLine(y)),
                       [&pixels](std::uint32_t argb) { return pixels[AlphaOf(argb)]; });
    }
    return image;
}

void Recolor(QImage& image, COLORREF ink) {
    const std::array<QRgb, 256> pixels = InkPixels(ink);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::transform(row, row + image.width(), row,
                       [&pixels](QRgb pixel) { return pixels[qAlpha(pixel)]; });
    }
}

void StoreInk(const QImage& image, QSize size, COLORREF ink, ScribbleNoteData& note) {
    note.SetImage(nullptr, size.width(), size.height());
    const ScribbleNoteData::ImageEdit edit = note.EditImage();
    if (edit.Get() == nullptr) {
        return;
    }
    Bitmap& drawing = *edit;
    const int columns = std::min(drawing.GetWidth(), image.width());
    const int rows = std::min(drawing.GetHeight(), image.height());
    for (int y = 0; y < rows; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::transform(from, from + columns,
                       drawing.GetPixels() + std::size_t(y) * drawing.GetWidth(),
                       [ink](QRgb pixel) -> std::uint32_t {
                           // Clear pixels are all 0, so that they run together
                           // in the stored text.
                           const int alpha = qAlpha(pixel);
                           return alpha == 0 ? 0u : ArgbFromColor(ink, std::uint8_t(alpha));
                       });
    }
}

const QImage& InkImageCache::Get(const Bitmap& drawing, COLORREF ink) {
    if (source_ != &drawing || ink_ != ink) {
        image_ = InkImage(drawing, ink);
        source_ = &drawing;
        ink_ = ink;
    }
    return image_;
}

}  // namespace vesk
