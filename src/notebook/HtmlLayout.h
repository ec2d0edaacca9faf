#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "notewnd/TextLayout.h"
#include "xml/TextForms.h"

namespace vesk {

// Style bits of mini-HTML text; every combination has its own font variant.
namespace HtmlStyle {
inline constexpr unsigned kBold = 1;
inline constexpr unsigned kItalic = 2;
inline constexpr unsigned kUnderline = 4;
inline constexpr unsigned kSuperscript = 8;
inline constexpr unsigned kSubscript = 16;
inline constexpr unsigned kCount = 32;
}  // namespace HtmlStyle

// Format flags of the layout.
namespace HtmlFormat {
// Wrap before a word that would pass the width, when white space precedes it.
inline constexpr unsigned kWordBreak = 1;
// br and p break no lines.
inline constexpr unsigned kSingleLine = 2;
}  // namespace HtmlFormat

// The variants of one font that mini-HTML switches between, each measured
// as the note text is.
class StyledTextMeasurer {
public:
    virtual ~StyledTextMeasurer() = default;
    // The variant of these style bits; style 0 is the font the text starts in.
    virtual const TextMeasurer& ForStyle(unsigned style) const = 0;
};

// The height value of a variant, given the starting font's in the
// platform's convention (negative: the character height in pixels): bold is
// 2 units larger, superscript and subscript 7/10 of the size.
std::int32_t HtmlFontHeight(std::int32_t height, unsigned style);

// A word, or the underlined blank before an underlined word, where it is to
// be drawn.
struct HtmlRun {
    // The word within the laid-out text; empty for a blank.
    std::size_t start = 0;
    std::size_t length = 0;
    // Top left of the run's text, from the top left of the layout box;
    // subscript sits at the bottom of its line, everything else at the top.
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    unsigned style = 0;
    COLORREF color = 0;
};

struct HtmlLayout {
    std::vector<HtmlRun> runs;
    // Of the starting font; every line is this high.
    std::int32_t lineHeight = 0;
    // The widest line.
    std::int32_t width = 0;
    // From the top to the bottom of the last line.
    std::int32_t height = 0;
};

// Lays out mini-HTML within a width (negative counts as 0), starting in the
// plain variant and the given colour. A word wider than the width widens
// the line rather than being broken.
HtmlLayout LayOutHtml(std::u16string_view text, std::int32_t width, unsigned format,
                      const StyledTextMeasurer& fonts, COLORREF color);

}  // namespace vesk
