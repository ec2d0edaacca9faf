#include "notes/ScribbleCodec.h"

#include <algorithm>
#include <cstdint>

namespace vesk {

namespace {

constexpr char16_t kHexDigits[] = u"0123456789abcdef";

void AppendRun(std::u16string& text, std::size_t length, std::uint8_t alpha) {
    // A space, at most 16 length digits and two alpha digits.
    char16_t token[19];
    std::size_t end = 0;
    token[end++] = u' ';
    if (length > 1) {
        char16_t digits[16];
        std::size_t count = 0;
        for (; length != 0; length >>= 4) {
            digits[count++] = kHexDigits[length & 0xf];
        }
        while (count != 0) {
            token[end++] = digits[--count];
        }
    }
    token[end++] = kHexDigits[alpha >> 4];
    token[end++] = kHexDigits[alpha & 0xf];
    text.append(token, end);
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

std::u16string EncodeAlphaRuns(const Bitmap& image) {
    std::u16string text;
    const std::uint32_t* pixel = image.GetPixels();
    const std::uint32_t* const end = pixel + image.GetPixelCount();
    while (pixel != end) {
        const std::uint32_t value = *pixel;
        const std::uint32_t* runEnd =
            std::find_if(pixel + 1, end, [value](std::uint32_t other) { return other != value; });
        AppendRun(text, static_cast<std::size_t>(runEnd - pixel), AlphaOf(value));
        pixel = runEnd;
    }
    return text;
}

void DecodeAlphaRuns(std::u16string_view text, COLORREF ink, Bitmap& image) {
    std::uint32_t* const pixels = image.GetPixels();
    const std::size_t total = image.GetPixelCount();
    std::size_t position = 0;
    std::size_t cursor = 0;
    while (position < total) {
        while (cursor < text.size() && IsBlank(text[cursor])) {
            ++cursor;
        }
        const std::size_t start = cursor;
        while (cursor < text.size() && !IsBlank(text[cursor])) {
            ++cursor;
        }
        const std::size_t size = cursor - start;
        if (size < 2) {
            return;
        }
        const std::size_t remaining = total - position;
        std::size_t length = 1;
        if (size > 2) {
            // Saturating at what is left keeps any number of digits harmless.
            length = 0;
            for (std::size_t i = start; i < cursor - 2; ++i) {
                length = std::min(length * 16 + HexDigitValue(text[i]), remaining);
            }
        }
        const auto alpha = static_cast<std::uint8_t>(HexDigitValue(text[cursor - 2]) * 16 +
                                                     HexDigitValue(text[cursor - 1]));
        length = std::min(length, remaining);
        std::fill_n(pixels + position, length, ArgbFromColor(ink, alpha));
        position += length;
    }
}

}  // namespace vesk
