#include "notes/Bitmap.h"

#include <algorithm>

namespace vesk {

Bitmap::Bitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u) {}

void Bitmap::CopyAtOrigin(const Bitmap& source) {
    const int columns = std::min(width_, source.width_);
    const int rows = std::min(height_, source.height_);
    for (int y = 0; y < rows; ++y) {
        const std::uint32_t* from = source.GetPixels() + source.Index(0, y);
        std::copy(from, from + columns, pixels_.begin() + static_cast<std::ptrdiff_t>(Index(0, y)));
    }
}

}  // namespace vesk
