#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "notes/Rect.h"

namespace vesk {

// A word (no space, tab or line feed) or a run of spaces and tabs, measured
// once when the text is cut up so that painting only has to wrap; or, in a
// paragraph that keeps its line feeds, a line feed of no width.
struct TextToken {
    std::u16string text;
    std::int32_t width = 0;
    bool link = false;
};
using TextParagraph = std::vector<TextToken>;
using TextLayout = std::vector<TextParagraph>;

// Where a link word was drawn, in client coordinates, so a click can open it.
struct LinkRecord {
    std::u16string text;
    Rect rect;
};

// Widths in the note's font, in pixels.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual std::int32_t MeasureText(const std::u16string& text) const = 0;
    virtual std::int32_t LineHeight() const = 0;
};

// Words starting with "www.", "http://", "https://" or "mailto:" (exact case).
bool IsLink(const std::u16string& word);

// Appends the text's paragraphs, one per line of the text, to the layout.
void ProcessLinkText(const std::u16string& text, TextLayout& layout, const TextMeasurer& font);

// Appends the text as a single paragraph whose line feeds break its lines,
// for lists that must keep one paragraph per entry. It lays out into the
// same lines as ProcessLinkText's paragraphs of the text.
void ProcessParagraphText(const std::u16string& text, TextLayout& layout, const TextMeasurer& font);

// One token as wrapping placed it. Leading blanks of a line are not placed.
struct PlacedToken {
    // Into the paragraph that was laid out; valid while it lives unchanged.
    const TextToken* token = nullptr;
    std::int32_t x = 0;
    std::int32_t y = 0;
    // Right edge of the token's drawing box: the line's right end plus 5 pixels
    // per token drawn so far on the line, so a glyph that overhangs its
    // measured width is not cut.
    std::int32_t clipRight = 0;
};

struct ParagraphPlacement {
    std::vector<PlacedToken> tokens;
    // The y below the paragraph's last line.
    std::int32_t bottom = 0;
};

// Wraps a paragraph into the box, its first line at box.top. A line ends
// before the token at which its width reaches the box's width, or at a line
// feed; a token that alone reaches it stands on its own line. Centred lines are centred on the
// box's width measured from x = 0, but never start left of box.left.
ParagraphPlacement LayoutParagraph(const TextParagraph& paragraph, const Rect& box, bool centred,
                                   std::int32_t lineHeight);

}  // namespace vesk
