#include "xml/TextForms.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "xml/LocalTime.h"

namespace vesk {
namespace {

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

std::u16string Widen(const char* text) {
    std::u16string out;
    for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
    return out;
}

// The upper half of Windows-1252; the five undefined bytes map to the C1
// controls of the same value, as the system's conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::u16string IntToText(std::int64_t value) {
    char16_t digits[24];
    char16_t* const end = digits + std::size(digits);
    char16_t* first = end;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        *--first = u'-';
    }
    return std::u16string(first, end);
}

std::int32_t TextToInt(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > std::int64_t{INT32_MAX} + 1) value = std::int64_t{INT32_MAX} + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<std::int32_t>(value);
}

std::u16string IntToHex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", value);
    return Widen(buffer);
}

std::u16string RealToText(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return Widen(buffer);
}

double TextToReal(std::u16string_view text) {
    std::string narrow;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    for (; i < text.size() && text[i] < 0x80 && narrow.size() < 64; ++i) {
        narrow.push_back(static_cast<char>(text[i]));
    }
    const double value = std::strtod(narrow.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::u16string BoolToText(bool value) { return value ? u"true" : u"false"; }

bool TextToBool(std::u16string_view text) { return text == u"true"; }

std::u16string ColorToText(COLORREF color) {
    std::u16string text(7, u'#');
    const unsigned components[] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    for (std::size_t i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kHexDigits[components[i] >> 4];
        text[2 + 2 * i] = kHexDigits[components[i] & 0xf];
    }
    return text;
}

unsigned HexDigitValue(char16_t c) {
    if (c >= u'1' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 0;
}

COLORREF TextToColor(std::u16string_view text) {
    if (!text.empty() && text.front() == u'#') text.remove_prefix(1);
    unsigned components[3] = {0, 0, 0};
    for (std::size_t k = 0; k < text.size() && k < 6; ++k) {
        const unsigned digit = HexDigitValue(text[k]);
        unsigned& component = components[k / 2];
        component = (k % 2 == 0) ? digit * 16 : component + digit;
    }
    return RGB(components[0], components[1], components[2]);
}

std::u16string TimeToText(TimeValue time) {
    std::tm local{};
    if (!ToLocalTime(time, local)) return {};
    const int year = local.tm_year + 1900;
    if (year < 1000 || year > 9999) {
        // strftime knows how years of other lengths are spelled.
        char buffer[64];
        if (std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local) == 0) return {};
        return Widen(buffer);
    }
    std::u16string text = u"0000-00-00 00:00:00";
    const auto put = [&text](std::size_t at, int value, int digits) {
        for (std::size_t i = at + static_cast<std::size_t>(digits); i-- > at; value /= 10) {
            text[i] = static_cast<char16_t>(u'0' + value % 10);
        }
    };
    put(0, year, 4);
    put(5, local.tm_mon + 1, 2);
    put(8, local.tm_mday, 2);
    put(11, local.tm_hour, 2);
    put(14, local.tm_min, 2);
    put(17, local.tm_sec, 2);
    return text;
}

TimeValue TextToTime(std::u16string_view text) {
    if (text.size() < 19) return 0;
    std::tm local{};
    const int year = TextToInt(text.substr(0, 4));
    local.tm_mon = TextToInt(text.substr(5, 2)) - 1;
    local.tm_mday = TextToInt(text.substr(8, 2));
    local.tm_hour = TextToInt(text.substr(11, 2));
    local.tm_min = TextToInt(text.substr(14, 2));
    local.tm_sec = TextToInt(text.substr(17, 2));
    if (year < 1900 || local.tm_mon < 0 || local.tm_mon > 11 || local.tm_mday < 1 ||
        local.tm_mday > 31 || local.tm_hour > 23 || local.tm_hour < 0 || local.tm_min < 0 ||
        local.tm_min > 59 || local.tm_sec < 0 || local.tm_sec > 59) {
        return 0;
    }
    local.tm_year = year - 1900;
    return FromLocalTime(local).value_or(0);
}

TimeValue Now() { return static_cast<TimeValue>(std::time(nullptr)); }

std::string WideToNarrow(std::u16string_view text) { return WideToUtf8(text); }

std::filesystem::path WideToPath(std::u16string_view text) {
    return std::filesystem::path(WideToUtf8(text));
}

std::u16string PathToWide(const std::filesystem::path& path) { return Utf8ToWide(path.string()); }

std::u16string NarrowToWide(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t{byte});
    }
    return out;
}

std::u16string Utf8ToWide(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    out.resize(Utf8ToUtf16(text, out.data()));
    return out;
}

std::size_t Utf8ToUtf16(std::string_view text, char16_t* const out) {
    char16_t* next = out;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned c = *p;
        if (c < 0x80) {
            // Most text is ASCII: eight bytes are checked at once.
            while (end - p >= 8) {
                std::uint64_t eight = 0;
                std::memcpy(&eight, p, 8);
                if ((eight & 0x8080808080808080u) != 0) {
                    break;
                }
                for (int i = 0; i < 8; ++i) {
                    next[i] = p[i];
                }
                next += 8;
                p += 8;
            }
            while (p < end && *p < 0x80) {
                *next++ = *p++;
            }
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1, cp = c & 0x1F, min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2, cp = c & 0x0F, min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3, cp = c & 0x07, min = 0x10000;
        } else {
            *next++ = 0xFFFD;
            ++p;
            continue;
        }
        int taken = 0;
        while (taken < extra && p + 1 + taken < end && (p[1 + taken] & 0xC0) == 0x80) {
            cp = (cp << 6) | (p[1 + taken] & 0x3F);
            ++taken;
        }
        p += 1 + taken;
        if (taken < extra || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            *next++ = 0xFFFD;
        } else if (cp >= 0x10000) {
            cp -= 0x10000;
            *next++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *next++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *next++ = static_cast<char16_t>(cp);
        }
    }
    return static_cast<std::size_t>(next - out);
}

std::string WideToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace vesk
