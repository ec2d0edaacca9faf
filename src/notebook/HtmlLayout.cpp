#include "notebook/HtmlLayout.h"

#include <algorithm>
#include <array>
#include <string>

#include "notebook/HtmlTokenizer.h"

namespace vesk {

namespace {

// Colours of font tags: up to 8 are saved; past that a colour is shown but
// its end tag restores an older one.
class ColorStack {
public:
    explicit ColorStack(COLORREF color) : current_(color) { saved_.fill(color); }

    COLORREF Current() const { return current_; }
    void Push(COLORREF color) {
        if (count_ < saved_.size()) {
            saved_[count_++] = current_;
        }
        current_ = color;
    }
    void Pop() { current_ = count_ > 0 ? saved_[--count_] : saved_[0]; }

private:
    std::array<COLORREF, 8> saved_;
    std::size_t count_ = 0;
    COLORREF current_;
};

unsigned StyleBit(HtmlTag tag) {
    switch (tag) {
        case HtmlTag::kBold:
            return HtmlStyle::kBold;
        case HtmlTag::kItalic:
            return HtmlStyle::kItalic;
        case HtmlTag::kUnderline:
            return HtmlStyle::kUnderline;
        case HtmlTag::kSuperscript:
            return HtmlStyle::kSuperscript;
        case HtmlTag::kSubscript:
            return HtmlStyle::kSubscript;
        default:
            return 0;
    }
}

class HtmlLayouter {
public:
    HtmlLayouter(std::u16string_view text, std::int32_t width, unsigned format,
                 const StyledTextMeasurer& fonts, COLORREF color)
        : text_(text), format_(format), fonts_(fonts), limit_(std::max(width, 0)), colors_(color) {
        layout_.lineHeight = fonts.ForStyle(0).LineHeight();
    }

    HtmlLayout Run() {
        HtmlTokenizer tokens(text_);
        HtmlToken token;
        while (tokens.Next(token)) {
            if (token.kind == HtmlToken::Kind::kWord) {
                PlaceWord(token);
            } else {
                ApplyTag(token);
            }
        }
        layout_.height = y_ + layout_.lineHeight;
        return std::move(layout_);
    }

private:
    void ApplyTag(const HtmlToken& token) {
        const bool lines = (format_ & HtmlFormat::kSingleLine) == 0;
        switch (token.tag) {
            case HtmlTag::kBreak:
                if (!token.endTag && lines) {
                    NewLine(layout_.lineHeight);
                }
                break;
            case HtmlTag::kParagraph:
                if (!token.endTag && lines && token.start > 0) {
                    NewLine(layout_.lineHeight * 3 / 2);
                }
                break;
            case HtmlTag::kFont:
                if (token.endTag) {
                    colors_.Pop();
                } else if (token.hasColor) {
                    colors_.Push(token.color);
                }
                break;
            default:
                if (token.endTag) {
                    style_ &= ~StyleBit(token.tag);
                } else {
                    style_ |= StyleBit(token.tag);
                }
                break;
        }
    }

    void PlaceWord(const HtmlToken& token) {
        const TextMeasurer& font = fonts_.ForStyle(style_);
        std::int32_t& space = spaceWidths_[style_];
        if (space < 0) {
            space = font.MeasureText(u" ");
        }
        const std::int32_t width =
            font.MeasureText(std::u16string(text_.substr(token.start, token.length)));
        limit_ = std::max(limit_, width);
        if (token.spaceBefore) {
            x_ += space;
        }
        if (x_ + width > limit_ && token.spaceBefore) {
            if ((format_ & HtmlFormat::kWordBreak) != 0) {
                NewLine(layout_.lineHeight);
            } else {
                limit_ = x_ + width;
            }
        }
        const std::int32_t top = (style_ & HtmlStyle::kSubscript) != 0
                                     ? y_ + layout_.lineHeight - font.LineHeight()
                                     : y_;
        if ((style_ & HtmlStyle::kUnderline) != 0 && token.spaceBefore && x_ >= space) {
            layout_.runs.push_back(
                {token.start, 0, x_ - space, top, space, style_, colors_.Current()});
        }
        layout_.runs.push_back(
            {token.start, token.length, x_, top, width, style_, colors_.Current()});
        x_ += width;
        layout_.width = std::max(layout_.width, x_);
    }

    void NewLine(std::int32_t advance) {
        y_ += advance;
        x_ = 0;
    }

    std::u16string_view text_;
    unsigned format_;
    const StyledTextMeasurer& fonts_;
    std::int32_t limit_;
    ColorStack colors_;
    HtmlLayout layout_;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
    unsigned style_ = 0;
    // Of each variant, measured when first needed.
    std::array<std::int32_t, HtmlStyle::kCount> spaceWidths_ = MakeUnmeasured();

    static std::array<std::int32_t, HtmlStyle::kCount> MakeUnmeasured() {
        std::array<std::int32_t, HtmlStyle::kCount> widths;
        widths.fill(-1);
        return widths;
    }
};

}  // namespace

std::int32_t HtmlFontHeight(std::int32_t height, unsigned style) {
    if ((style & HtmlStyle::kBold) != 0) {
        height -= 2;
    }
    if ((style & (HtmlStyle::kSuperscript | HtmlStyle::kSubscript)) != 0) {
        height = height * 7 / 10;
    }
    return height;
}

HtmlLayout LayOutHtml(std::u16string_view text, std::int32_t width, unsigned format,
                      const StyledTextMeasurer& fonts, COLORREF color) {
    return HtmlLayouter(text, width, format, fonts, color).Run();
}

}  // namespace vesk
