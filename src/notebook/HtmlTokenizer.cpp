#include "notebook/HtmlTokenizer.h"

#include <array>

namespace vesk {

namespace {

struct TagName {
    std::u16string_view name;
    HtmlTag tag;
};

// Searched from the last entry to the first, so that "br" is found before
// the "b" it starts with.
constexpr std::array<TagName, 10> kTagNames = {{
    {u"b", HtmlTag::kBold},
    {u"br", HtmlTag::kBreak},
    {u"em", HtmlTag::kItalic},
    {u"font", HtmlTag::kFont},
    {u"i", HtmlTag::kItalic},
    {u"p", HtmlTag::kParagraph},
    {u"strong", HtmlTag::kBold},
    {u"sub", HtmlTag::kSubscript},
    {u"sup", HtmlTag::kSuperscript},
    {u"u", HtmlTag::kUnderline},
}};

constexpr std::u16string_view kColorAttribute = u"color=";

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The tag whose name begins the candidate; none when no name does.
const TagName* FindTag(std::u16string_view candidate) {
    for (auto it = kTagNames.rbegin(); it != kTagNames.rend(); ++it) {
        if (StartsWithNoCase(candidate, it->name)) {
            return &*it;
        }
    }
    return nullptr;
}

bool EndsName(char16_t c) { return IsHtmlSpace(c) || c == u'<' || c == u'>'; }

}  // namespace

bool IsHtmlSpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f ||
           c == 0x205f || c == 0x3000;
}

bool HtmlTokenizer::Next(HtmlToken& token) {
    const bool spaceOnEntry = spaceBefore_;
    if (pos_ < text_.size() && IsHtmlSpace(text_[pos_])) {
        spaceBefore_ = true;
    }
    SkipSpace();
    if (pos_ >= text_.size()) {
        return false;
    }
    token = HtmlToken{};
    token.start = pos_;
    token.spaceBefore = spaceBefore_;
    if (text_[pos_] != u'<' || !ReadTag(token, spaceOnEntry)) {
        ReadWord(token);
    }
    return true;
}

void HtmlTokenizer::ReadWord(HtmlToken& token) {
    std::size_t end = pos_ + 1;
    if (text_[pos_] == u'<') {
        // A candidate that names no tag: shown as it stands, brackets and all.
        const bool endTag = end < text_.size() && text_[end] == u'/';
        end += endTag ? 1 : 0;
        while (end < text_.size() && !EndsName(text_[end])) ++end;
        if (end < text_.size() && text_[end] == u'>') ++end;
    } else {
        while (end < text_.size() && !IsHtmlSpace(text_[end]) && text_[end] != u'<') ++end;
    }
    token.kind = HtmlToken::Kind::kWord;
    token.length = end - pos_;
    pos_ = end;
    spaceBefore_ = false;
}

bool HtmlTokenizer::ReadTag(HtmlToken& token, bool spaceOnEntry) {
    std::size_t nameStart = pos_ + 1;
    const bool endTag = nameStart < text_.size() && text_[nameStart] == u'/';
    nameStart += endTag ? 1 : 0;
    std::size_t nameEnd = nameStart;
    while (nameEnd < text_.size() && !EndsName(text_[nameEnd])) ++nameEnd;
    const bool closed = nameEnd < text_.size() && text_[nameEnd] == u'>';

    const TagName* name = FindTag(text_.substr(nameStart, nameEnd - nameStart));
    std::size_t end = nameEnd + 1;
    if (name != nullptr && name->tag == HtmlTag::kFont && !endTag) {
        // Attributes run on to the next bracket; only a colour right after
        // the name and one blank is understood.
        end = nameEnd;
        while (end < text_.size() && text_[end] != u'<' && text_[end] != u'>') ++end;
        const std::size_t value = nameEnd + 1;
        if (nameEnd < text_.size() && text_[nameEnd] == u' ' &&
            text_.substr(value).starts_with(kColorAttribute)) {
            ReadColor(token, value + kColorAttribute.size(), end);
        }
        end += end < text_.size() && text_[end] == u'>' ? 1 : 0;
    } else if (!closed || (name == nullptr && !endTag)) {
        return false;
    }

    token.kind = HtmlToken::Kind::kTag;
    token.tag = name != nullptr ? name->tag : HtmlTag::kNone;
    token.endTag = endTag;
    pos_ = end;
    const bool breaks =
        !endTag && (token.tag == HtmlTag::kBreak || token.tag == HtmlTag::kParagraph);
    if (breaks || spaceOnEntry) {
        SkipSpace();
    }
    if (breaks) {
        spaceBefore_ = false;
    }
    token.length = pos_ - token.start;
    return true;
}

void HtmlTokenizer::ReadColor(HtmlToken& token, std::size_t from, std::size_t to) const {
    if (from < to && (text_[from] == u'\'' || text_[from] == u'"')) ++from;
    if (from < to && text_[from] == u'#') ++from;
    unsigned channels[3] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const char16_t c = from + i < to ? text_[from + i] : u'0';
        channels[i / 2] = channels[i / 2] * 16 + HexDigitValue(c);
    }
    token.hasColor = true;
    token.color = RGB(channels[0], channels[1], channels[2]);
}

void HtmlTokenizer::SkipSpace() {
    while (pos_ < text_.size() && IsHtmlSpace(text_[pos_])) ++pos_;
}

}  // namespace vesk
