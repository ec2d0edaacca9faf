#include "notes/Bitmap.h"

#include <algorithm>

namespace vesk {

Bitmap::Bitmap(int width, int height) : Bitmap(width, height, Unfilled{}) {
    std::fill_n(pixels_.get(), GetPixelCount(), 0u);
}

Bitmap::Bitmap(int width, int height, Unfilled)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::make_unique_for_overwrite<std::uint32_t[]>(GetPixelCount())) {}

void Bitmap::CopyAtOrigin(const Bitmap& source) {
    const int columns = std::min(width_, source.width_);
    const int rows = std::min(height_, source.height_);
    for (int y = 0; y < rows; ++y) {
        const std::uint32_t* from = source.GetPixels() + source.Index(0, y);
        std::copy(from, from + columns, pixels_.get() + Index(0, y));
    }
}

}  // namespace vesk
