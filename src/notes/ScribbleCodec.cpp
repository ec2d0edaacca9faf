#include "notes/ScribbleCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace vesk {

namespace {

// The longest token: a space, 16 length digits and two alpha digits.
constexpr std::size_t kLongestToken = 19;

// Writes a run's token at to; returns where it ends.
char16_t* PutRun(char16_t* to, std::size_t length, std::uint8_t alpha) {
    *to++ = u' ';
    if (length > 1) {
        char16_t digits[16];
        std::size_t count = 0;
        for (; length != 0; length >>= 4) {
            digits[count++] = kHexDigits[length & 0xf];
        }
        while (count != 0) {
            *to++ = digits[--count];
        }
    }
    *to++ = kHexDigits[alpha >> 4];
    *to++ = kHexDigits[alpha & 0xf];
    return to;
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Per character: the colour rule's digit value in the low four bits, and
// kNotEncoderDigit unless the encoder writes it (a lower-case hex digit).
class DigitTable {
public:
    static constexpr std::uint8_t kNotEncoderDigit = 0x80;

    DigitTable() {
        for (char16_t c = 0; c < kSize; ++c) {
            const bool lower = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
            values_[c] =
                static_cast<std::uint8_t>(HexDigitValue(c) | (lower ? 0 : kNotEncoderDigit));
        }
    }
    std::uint8_t operator()(char16_t c) const { return c < kSize ? values_[c] : kNotEncoderDigit; }

private:
    static constexpr char16_t kSize = 128;
    std::uint8_t values_[kSize];
};

// Where the run of pixels equal to the first one ends. Drawings are mostly
// long runs of blank paper, so pixels are compared sixteen at a time, and
// where a run ends within them, four at a time.
const std::uint32_t* RunEnd(const std::uint32_t* pixel, const std::uint32_t* end) {
    using Four = std::uint32_t __attribute__((vector_size(16)));
    const std::uint32_t value = *pixel++;
    const Four same = {value, value, value, value};
    const auto differs = [&same](const std::uint32_t* from) {
        Four four;
        std::memcpy(&four, from, sizeof four);
        return four ^ same;
    };
    const auto none = [](Four four) {
        std::uint64_t halves[2];
        std::memcpy(halves, &four, sizeof halves);
        return (halves[0] | halves[1]) == 0;
    };
    while (end - pixel >= 16) {
        const Four first = differs(pixel);
        const Four second = differs(pixel + 4);
        const Four third = differs(pixel + 8);
        if (!none(first | second | third | differs(pixel + 12))) {
            for (const Four four : {first, second, third}) {
                if (!none(four)) {
                    break;
                }
                pixel += 4;
            }
            break;
        }
        pixel += 16;
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
    // Tokens are gathered in a buffer and added to the text a buffer at a time.
    char16_t buffer[64 * kLongestToken];
    char16_t* next = buffer;
    const std::uint32_t* pixel = image.GetPixels();
    const std::uint32_t* const end = pixel + image.GetPixelCount();
    while (pixel != end) {
        const std::uint32_t* runEnd = RunEnd(pixel, end);
        next = PutRun(next, static_cast<std::size_t>(runEnd - pixel), AlphaOf(*pixel));
        pixel = runEnd;
        if (static_cast<std::size_t>(std::end(buffer) - next) < kLongestToken) {
            text.append(buffer, next);
            next = buffer;
        }
    }
    text.append(buffer, next);
    return text;
}

DecodedRuns DecodeAlphaRuns(std::u16string_view text, COLORREF ink, Bitmap& image) {
    static const DigitTable digit;
    constexpr std::uint8_t kValue = 0x0f;
    // The encoder's spelling is checked on the way, so a load reads each
    // drawing's text once.
    std::uint8_t misspelt = 0;
    bool canonical = true;
    unsigned lastAlpha = 0x100;
    const std::uint32_t colour = ArgbFromColor(ink, 0);
    std::uint32_t* const first = image.GetPixels();
    std::uint32_t* pixel = first;
    std::uint32_t* const end = pixel + image.GetPixelCount();
    const char16_t* next = text.data();
    const char16_t* const last = next + text.size();
    while (pixel != end) {
        const char16_t* const blanks = next;
        while (next != last && IsBlank(*next)) {
            ++next;
        }
        const char16_t* const start = next;
        while (next != last && !IsBlank(*next)) {
            ++next;
        }
        const auto size = static_cast<std::size_t>(next - start);
        if (size < 2) {
            // Only the text's end, right after a token, ends it the encoder's way.
            canonical = canonical && blanks == last;
            break;
        }
        canonical = canonical && start - blanks == 1 && *blanks == u' ';
        const std::uint8_t high = digit(next[-2]);
        const std::uint8_t low = digit(next[-1]);
        misspelt |= high | low;
        const unsigned alpha = (high & kValue) << 4 | (low & kValue);
        canonical = canonical && alpha != lastAlpha;
        lastAlpha = alpha;
        const std::uint32_t value = colour | alpha << 24;
        if (size == 2) {
            *pixel++ = value;
            continue;
        }
        // Saturating at what is left keeps any number of digits harmless.
        const auto remaining = static_cast<std::size_t>(end - pixel);
        std::size_t length = 0;
        if (size < kLongestToken) {
            // At most 16 digits: the exact length fits.
            std::uint64_t exact = 0;
            for (const char16_t* c = start; c != next - 2; ++c) {
                const std::uint8_t d = digit(*c);
                misspelt |= d;
                exact = exact * 16 + (d & kValue);
            }
            canonical = canonical && *start != u'0' && exact >= 2 && exact <= remaining;
            length = static_cast<std::size_t>(std::min<std::uint64_t>(exact, remaining));
        } else {
            canonical = false;
            for (const char16_t* c = start; c != next - 2; ++c) {
                length = std::min(length * 16 + (digit(*c) & kValue), remaining);
            }
        }
        pixel = Fill(pixel, length, value);
    }
    canonical =
        canonical && pixel == end && next == last && (misspelt & DigitTable::kNotEncoderDigit) == 0;
    return {static_cast<std::size_t>(pixel - first), canonical};
}

}  // namespace vesk
