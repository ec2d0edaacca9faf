#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "xml/TextForms.h"

namespace vesk {

class Bitmap;
class ScribbleNoteData;

// A drawing keeps only the ink's coverage; on screen every inked pixel takes
// the ink colour. These turn the note's drawing into a premultiplied image to
// paint on and back.

// The premultiplied pixel of the ink at each coverage, 0 to 255.
std::array<QRgb, 256> InkPixels(COLORREF ink);

// The drawing in the ink, premultiplied.
QImage InkImage(const Bitmap& drawing, COLORREF ink);

// Every pixel of the premultiplied image takes the ink and keeps its coverage.
void Recolor(QImage& image, COLORREF ink);

// The note's drawing becomes the size given, holding the image's coverage in
// the ink at its top-left corner; what lies beyond the size is cut off.
void StoreInk(const QImage& image, QSize size, COLORREF ink, ScribbleNoteData& note);

// The note's drawing ready to paint, made again only when the drawing or the
// ink changed.
class InkImageCache {
public:
    const QImage& Get(const Bitmap& drawing, COLORREF ink);
    // The owner changed the drawing's pixels.
    void Invalidate() {
        image_ = QImage();
        source_ = nullptr;
    }

private:
    QImage image_;
    const Bitmap* source_ = nullptr;
    COLORREF ink_ = 0;
};

}  // namespace vesk
