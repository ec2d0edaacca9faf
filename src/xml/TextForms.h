#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vesk {

// A Windows colour value: 0x00BBGGRR, red in the lowest byte.
using COLORREF = std::uint32_t;
// Seconds since 1 January 1970 UTC; 0 stands for no time.
using TimeValue = std::int64_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xffu) | ((g & 0xffu) << 8) | ((b & 0xffu) << 16);
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xffu; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xffu; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xffu; }

// Decimal, "-" for negatives, no leading zeros.
std::u16string IntToText(std::int64_t value);
// Leading white space, optional sign, decimal digits up to the first other
// character; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t TextToInt(std::u16string_view text);
// The lower-case hexadecimal digits, by value.
inline constexpr char16_t kHexDigits[] = u"0123456789abcdef";
// Lower-case hexadecimal of the 32-bit pattern, no prefix.
std::u16string IntToHex(std::uint32_t value);
// "%.2f".
std::u16string RealToText(double value);
// Leading white space, then a decimal real number; no number gives 0.
double TextToReal(std::u16string_view text);
std::u16string BoolToText(bool value);
// True only for the exact text "true".
bool TextToBool(std::u16string_view text);
// "#rrggbb" in lower case.
std::u16string ColorToText(COLORREF color);
// Forgiving: every character that is not a hexadecimal digit counts as 0.
COLORREF TextToColor(std::u16string_view text);
// Value of one digit under the colour rule: 1-9, A-F, a-f; anything else 0.
unsigned HexDigitValue(char16_t c);
// Local time as "%Y-%m-%d %H:%M:%S"; empty when it cannot be converted.
std::u16string TimeToText(TimeValue time);
// Fields taken by position; too short or out of range gives 0.
TimeValue TextToTime(std::u16string_view text);
// The current time.
TimeValue Now();

// Wide text to the narrow form used for file names: UTF-8, lossless.
std::string WideToNarrow(std::u16string_view text);
// A wide file name as a path.
std::filesystem::path WideToPath(std::u16string_view text);
std::u16string PathToWide(const std::filesystem::path& path);
// The previous version's narrow text (Windows-1252) to wide text.
std::u16string NarrowToWide(std::string_view text);

// UTF-8 <-> UTF-16. Invalid sequences and unpaired surrogates become U+FFFD.
std::u16string Utf8ToWide(std::string_view text);
// Writes the UTF-16 form of text to out, which has room for text.size()
// units (never more are needed); returns how many it wrote.
std::size_t Utf8ToUtf16(std::string_view text, char16_t* out);
std::string WideToUtf8(std::u16string_view text);

}  // namespace vesk
