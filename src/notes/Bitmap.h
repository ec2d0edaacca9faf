#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "xml/TextForms.h"

namespace vesk {

// A pixel of ink in the given colour and coverage: alpha in the top byte, then
// red, green and blue, not premultiplied.
constexpr std::uint32_t ArgbFromColor(COLORREF color, std::uint8_t alpha) {
    return std::uint32_t{alpha} << 24 | GetRValue(color) << 16 | GetGValue(color) << 8 |
           GetBValue(color);
}
constexpr std::uint8_t AlphaOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }

// 32-bit ARGB pixels, not premultiplied, rows from the top. Callers bound the
// size: every pixel is held in memory.
class Bitmap {
public:
    // Every pixel starts transparent (0); a negative side counts as 0.
    Bitmap(int width, int height);
    // The pixels start unset, for a caller that sets every one of them.
    struct Unfilled {};
    Bitmap(int width, int height, Unfilled);

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

    // Coordinates must lie inside the bitmap.
    std::uint32_t GetPixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t argb) { pixels_[Index(x, y)] = argb; }

    // Row after row, width × height values.
    std::uint32_t* GetPixels() { return pixels_.get(); }
    const std::uint32_t* GetPixels() const { return pixels_.get(); }
    std::size_t GetPixelCount() const {
        return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    }

    // Copies the source's pixels to the top-left corner unscaled; what falls
    // outside is cut off, what the source does not cover is left as it was.
    void CopyAtOrigin(const Bitmap& source);

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::unique_ptr<std::uint32_t[]> pixels_;
};

}  // namespace vesk
