#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "xml/TextForms.h"

namespace vesk {

enum class HtmlTag : std::uint8_t {
    kNone,  // an end tag of an unknown name: dropped
    kBold,
    kItalic,
    kUnderline,
    kSuperscript,
    kSubscript,
    kFont,
    kBreak,
    kParagraph,
};

struct HtmlToken {
    enum class Kind : std::uint8_t { kWord, kTag };

    Kind kind = Kind::kWord;
    // Where the token lies in the text; for a tag, the white space it
    // swallowed included.
    std::size_t start = 0;
    std::size_t length = 0;
    // Set when white space stands between the last word and this token.
    bool spaceBefore = false;
    HtmlTag tag = HtmlTag::kNone;
    bool endTag = false;
    // A font start tag with a colour to push.
    bool hasColor = false;
    COLORREF color = 0;
};

// White space as the mini-HTML sees it: the Unicode blanks and line ends.
bool IsHtmlSpace(char16_t c);

// Cuts mini-HTML into words and tags. Tag names are matched by prefix,
// without regard to case; anything that is no tag is a word, so every input
// comes out as tokens, each at least one character long.
class HtmlTokenizer {
public:
    explicit HtmlTokenizer(std::u16string_view text) : text_(text) {}

    // False at the end of the text.
    bool Next(HtmlToken& token);

private:
    void ReadWord(HtmlToken& token);
    // False when the angle bracket starts no tag after all.
    bool ReadTag(HtmlToken& token, bool spaceOnEntry);
    void ReadColor(HtmlToken& token, std::size_t from, std::size_t to) const;
    void SkipSpace();

    std::u16string_view text_;
    std::size_t pos_ = 0;
    bool spaceBefore_ = false;
};

}  // namespace vesk
