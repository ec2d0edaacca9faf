#include "notewnd/TextLayout.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace vesk {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

bool IsBlankToken(const TextToken& token) { return !token.text.empty() && IsBlank(token.text[0]); }

bool IsLineFeedToken(const TextToken& token) {
    return token.text.size() == 1 && token.text[0] == u'\n';
}

// Collects the pieces of one paragraph while the text is read.
class TokenCollector {
public:
    TokenCollector(TextLayout& layout, const TextMeasurer& font)
        : layout_(layout),
          font_(font),
          spaceWidth_(font.MeasureText(u"a a") - font.MeasureText(u"aa")),
          tabWidth_(font.MeasureText(u"a\ta") - font.MeasureText(u"aa")) {}

    void AddWordCharacter(char16_t c) {
        FlushBlanks();
        word_.push_back(c);
    }
    void AddBlank(char16_t c) {
        FlushWord();
        blanks_.push_back(c);
        blanksWidth_ += c == u' ' ? spaceWidth_ : tabWidth_;
    }
    void Flush() {
        if (!word_.empty()) {
            FlushWord();
        } else {
            FlushBlanks();
        }
    }
    void AddLineFeed() { layout_.back().push_back({u"\n", 0, false}); }

private:
    void FlushWord() {
        if (word_.empty()) {
            return;
        }
        const std::int32_t width = font_.MeasureText(word_);
        const bool link = IsLink(word_);
        layout_.back().push_back({std::exchange(word_, {}), width, link});
    }
    void FlushBlanks() {
        if (blanks_.empty()) {
            return;
        }
        // Blanks that take no room would only cost time when wrapping.
        if (blanksWidth_ != 0) {
            layout_.back().push_back({std::move(blanks_), blanksWidth_, false});
        }
        blanks_.clear();
        blanksWidth_ = 0;
    }

    TextLayout& layout_;
    const TextMeasurer& font_;
    std::int32_t spaceWidth_;
    std::int32_t tabWidth_;
    std::u16string word_;
    std::u16string blanks_;
    std::int32_t blanksWidth_ = 0;
};

}  // namespace

bool IsLink(const std::u16string& word) {
    static constexpr std::array<std::u16string_view, 4> kPrefixes = {u"www.", u"http://",
                                                                     u"https://", u"mailto:"};
    return std::any_of(kPrefixes.begin(), kPrefixes.end(),
                       [&word](std::u16string_view prefix) { return word.starts_with(prefix); });
}

namespace {

// A line feed opens a new paragraph, or, with keepParagraph, a new line of
// the same paragraph.
void ProcessText(const std::u16string& text, TextLayout& layout, const TextMeasurer& font,
                 bool keepParagraph) {
    layout.emplace_back();
    TokenCollector collector(layout, font);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\n') {
            collector.Flush();
            // A closing line feed ends the last line rather than opening one.
            if (i + 1 == text.size()) {
                break;
            }
            if (keepParagraph) {
                collector.AddLineFeed();
            } else {
                layout.emplace_back();
            }
        } else if (IsBlank(c)) {
            collector.AddBlank(c);
        } else {
            collector.AddWordCharacter(c);
        }
    }
    collector.Flush();
}

}  // namespace

void ProcessLinkText(const std::u16string& text, TextLayout& layout, const TextMeasurer& font) {
    ProcessText(text, layout, font, false);
}

void ProcessParagraphText(const std::u16string& text, TextLayout& layout,
                          const TextMeasurer& font) {
    ProcessText(text, layout, font, true);
}

ParagraphPlacement LayoutParagraph(const TextParagraph& paragraph, const Rect& box, bool centred,
                                   std::int32_t lineHeight) {
    ParagraphPlacement placement;
    const std::int64_t boxWidth = box.Width();
    std::int64_t y = box.top;
    std::size_t next = 0;
    while (true) {
        while (next < paragraph.size() && IsBlankToken(paragraph[next])) {
            ++next;
        }
        const std::size_t start = next;
        std::int64_t lineWidth = 0;
        while (next < paragraph.size() && !IsLineFeedToken(paragraph[next])) {
            const std::int64_t width = paragraph[next].width;
            if (lineWidth + width >= boxWidth) {
                if (next == start) {
                    lineWidth = width;
                    ++next;
                }
                break;
            }
            lineWidth += width;
            ++next;
        }
        if (next > start) {
            std::int64_t x = box.left;
            if (centred) {
                x = std::max<std::int64_t>(boxWidth / 2 - lineWidth / 2, box.left);
            }
            const std::int64_t lineEnd = x + lineWidth;
            for (std::size_t i = start; i < next; ++i) {
                const std::int64_t drawn = static_cast<std::int64_t>(i - start) + 1;
                placement.tokens.push_back({&paragraph[i], WrapToInt32(x), WrapToInt32(y),
                                            WrapToInt32(lineEnd + 5 * drawn)});
                x += paragraph[i].width;
            }
        }
        y += lineHeight;
        // A line feed ends its line and always opens another, empty or not.
        if (next < paragraph.size() && IsLineFeedToken(paragraph[next])) {
            ++next;
        } else if (next >= paragraph.size()) {
            break;
        }
    }
    placement.bottom = WrapToInt32(y);
    return placement;
}

}  // namespace vesk
