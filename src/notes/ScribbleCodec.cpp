#include "notes/ScribbleCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// The colour rule's digit values, looked up per character while decoding.
class DigitTable {
public:
    DigitTable() {
        for (char16_t c = 0; c < kSize; ++c) {
            values_[c] = static_cast<std::uint8_t>(HexDigitValue(c));
        }
    }
    unsigned operator()(char16_t c) const { return c < kSize ? values_[c] : 0; }

private:
    static constexpr char16_t kSize = 128;
    std::uint8_t values_[kSize];
};

// Where the run of pixels equal to the first one ends. Drawings are mostly
// long runs of blank paper, so pixels are compared sixteen at a time.
const std::uint32_t* RunEnd(const std::uint32_t* pixel, const std::uint32_t* end) {
    using Four = std::uint32_t __attribute__((vector_size(16)));
    constexpr std::ptrdiff_t kGroup = 16;
    const std::uint32_t value = *pixel++;
    const Four same = {value, value, value, value};
    const auto load = [](const std::uint32_t* from) {
        Four four;
        std::memcpy(&four, from, sizeof four);
        return four;
    };
    while (end - pixel >= kGroup) {
        const Four differs = (load(pixel) ^ same) | (load(pixel + 4) ^ same) |
                             (load(pixel + 8) ^ same) | (load(pixel + 12) ^ same);
        std::uint64_t halves[2];
        std::memcpy(halves, &differs, sizeof halves);
        if ((halves[0] | halves[1]) != 0) {
            break;
        }
        pixel += kGroup;
    }
    while (pixel != end && *pixel == value) {
        ++pixel;
    }
    return pixel;
}

// Sets count pixels to the value, eight at a time.
std::uint32_t* Fill(std::uint32_t* pixel, std::size_t count, std::uint32_t value) {
    using Four = std::uint32_t __attribute__((vector_size(16)));
    const Four four = {value, value, value, value};
    for (; count >= 8; count -= 8, pixel += 8) {
        std::memcpy(pixel, &four, sizeof four);
        std::memcpy(pixel + 4, &four, sizeof four);
    }
    for (; count != 0; --count) {
        *pixel++ = value;
    }
    return pixel;
}

}  // namespace

std::u16string EncodeAlphaRuns(const Bitmap& image) {
    std::u16string text;
    const std::uint32_t* pixel = image.GetPixels();
    const std::uint32_t* const end = pixel + image.GetPixelCount();
    while (pixel != end) {
        const std::uint32_t* runEnd = RunEnd(pixel, end);
        AppendRun(text, static_cast<std::size_t>(runEnd - pixel), AlphaOf(*pixel));
        pixel = runEnd;
    }
    return text;
}

std::size_t DecodeAlphaRuns(std::u16string_view text, COLORREF ink, Bitmap& image) {
    static const DigitTable digit;
    const std::uint32_t colour = ArgbFromColor(ink, 0);
    std::uint32_t* const first = image.GetPixels();
    std::uint32_t* pixel = first;
    std::uint32_t* const end = pixel + image.GetPixelCount();
    const char16_t* next = text.data();
    const char16_t* const last = next + text.size();
    while (pixel != end) {
        while (next != last && IsBlank(*next)) {
            ++next;
        }
        const char16_t* const start = next;
        while (next != last && !IsBlank(*next)) {
            ++next;
        }
        if (next - start < 2) {
            break;
        }
        const std::uint32_t value = colour | digit(next[-2]) << 28 | digit(next[-1]) << 24;
        if (next - start == 2) {
            *pixel++ = value;
            continue;
        }
        // Saturating at what is left keeps any number of digits harmless.
        const auto remaining = static_cast<std::size_t>(end - pixel);
        std::size_t length = 0;
        for (const char16_t* c = start; c != next - 2; ++c) {
            length = std::min(length * 16 + digit(*c), remaining);
        }
        pixel = Fill(pixel, length, value);
    }
    return static_cast<std::size_t>(pixel - first);
}

}  // namespace vesk
