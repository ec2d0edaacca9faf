// The system's own XML layout: one element per line, tab indentation,
// attributes and children in name order, UTF-16LE with a byte-order mark.
#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "xml/FileIO.h"
#include "xml/XMLDocument.h"
#include "xml/XMLOutput.h"

namespace vesk {
namespace {

enum class Context { Name, Attribute, Text, Cdata };

constexpr bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether an ASCII character goes to the file as it is.
constexpr bool IsPlainAscii(char16_t c, Context context) {
    if (c < 0x20) return (c == u'\t' || c == u'\n') && context != Context::Attribute;
    switch (c) {
        case u'&':
        case u'<':
            return context == Context::Cdata || context == Context::Name;
        case u'>':
            return context == Context::Name;
        case u'"':
            return context != Context::Attribute;
        default:
            return true;
    }
}

constexpr int kContexts = 4;

// One bit per context for each ASCII character.
constexpr std::array<std::uint8_t, 128> kPlainAscii = [] {
    std::array<std::uint8_t, 128> bits{};
    for (char16_t c = 0; c < 128; ++c) {
        for (int context = 0; context < kContexts; ++context) {
            if (IsPlainAscii(c, static_cast<Context>(context))) {
                bits[c] = static_cast<std::uint8_t>(bits[c] | 1u << context);
            }
        }
    }
    return bits;
}();

// Whether c goes to the file as it is; everything else takes the slow path.
// Called for every character written, hence the table.
inline bool IsPlain(char16_t c, Context context) {
    // Letters and most of the BMP are plain everywhere: one comparison.
    if (static_cast<char16_t>(c - 0x40) < 0xD800 - 0x40) return true;
    if (c < 128) return (kPlainAscii[c] >> static_cast<int>(context)) & 1u;
    return !IsSurrogate(c) && c < 0xFFFE;
}

// Writes the character at text[i] that is not plain; returns how many
// characters it consumed.
std::size_t AppendSpecial(XMLOutput& out, std::u16string_view text, std::size_t i,
                          Context context) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        out.Put(text.substr(i, 2));
        return 2;
    }
    // A character XML 1.0 cannot carry would make the whole file unreadable.
    if (IsSurrogate(c) || c >= 0xFFFE || (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') ||
        context == Context::Name) {
        out.Put(0xFFFD);
        return 1;
    }
    // The parser turns a carriage return into a line feed, and line breaks in
    // values into spaces, unless they are character references.
    if (c == u'\r') {
        if (context == Context::Cdata) {
            out.Put(u"]]>&#13;<![CDATA[");
        } else {
            out.Put(u"&#13;");
        }
    } else if (c == u'\t') {
        out.Put(u"&#9;");
    } else if (c == u'\n') {
        out.Put(u"&#10;");
    } else if (c == u'&') {
        out.Put(u"&amp;");
    } else if (c == u'<') {
        out.Put(u"&lt;");
    } else if (c == u'"') {
        out.Put(u"&quot;");
    } else if (context != Context::Cdata) {
        out.Put(u"&gt;");
    } else if (i >= 2 && text[i - 1] == u']' && text[i - 2] == u']') {
        out.Put(u"]]><![CDATA[>");  // "]]>" would end the section
    } else {
        out.Put(c);
    }
    return 1;
}

using Lanes = std::uint16_t __attribute__((vector_size(16)));
// What comparing lanes gives: all ones where true.
using LaneMask = std::int16_t __attribute__((vector_size(16)));

// Whether none of eight characters needs escaping or replacing in the
// context: most text is letters, digits, spaces and line breaks, and is
// screened a block at a time. Characters from U+D800 on are left to a closer
// look, which lets surrogate pairs through.
template <Context kContext>
bool Plain(Lanes c) {
    LaneMask odd = c >= 0xD800;
    if constexpr (kContext == Context::Text || kContext == Context::Cdata) {
        odd |= (c < 0x20) & (c != '\t') & (c != '\n');
    } else {
        odd |= c < 0x20;
    }
    if constexpr (kContext == Context::Attribute) {
        odd |= (c == '&') | (c == '<') | (c == '>') | (c == '"');
    } else if constexpr (kContext == Context::Text) {
        odd |= (c == '&') | (c == '<') | (c == '>');
    } else if constexpr (kContext == Context::Cdata) {
        odd |= c == '>';
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &odd, sizeof halves);
    return (halves[0] | halves[1]) == 0;
}

template <Context kContext>
bool EightPlain(const char16_t* text) {
    Lanes c;
    std::memcpy(&c, text, sizeof c);
    return Plain<kContext>(c);
}

// The same for fewer than eight characters, read in two pieces that may
// overlap and may be repeated: the screen only asks whether any is odd.
template <Context kContext>
bool FewPlain(const char16_t* text, std::size_t count) {
    std::uint64_t halves[2];
    if (count >= 4) {
        std::memcpy(&halves[0], text, 8);
        std::memcpy(&halves[1], text + count - 4, 8);
    } else if (count >= 2) {
        std::uint32_t first;
        std::uint32_t last;
        std::memcpy(&first, text, 4);
        std::memcpy(&last, text + count - 2, 4);
        halves[0] = halves[1] = first | std::uint64_t{last} << 32;
    } else {
        halves[0] = halves[1] = std::uint64_t{text[0]} * 0x0001000100010001u;
    }
    Lanes c;
    std::memcpy(&c, halves, sizeof c);
    return Plain<kContext>(c);
}

// Where the plain characters from text[i] on end. Blocks of eight are
// screened at once, the last few characters of a text with the block that
// ends with them; a block the screen stops at is looked at character by
// character.
template <Context kContext>
std::size_t PlainEnd(std::u16string_view text, std::size_t i) {
    const char16_t* const p = text.data();
    const std::size_t size = text.size();
    while (i != size) {
        const std::size_t stop = std::min(size, i + 8);
        const bool plain = size < 8 ? FewPlain<kContext>(p + i, size - i)
                                    : EightPlain<kContext>(p + std::min(i, size - 8));
        if (!plain) {
            while (i != stop && IsPlain(p[i], kContext)) {
                ++i;
            }
            if (i != stop) {
                return i;
            }
        }
        i = stop;
    }
    return size;
}

// Whether the whole text passes the screen.
template <Context kContext>
bool AllPlain(std::u16string_view text) {
    const char16_t* const p = text.data();
    const std::size_t size = text.size();
    if (size < 8) {
        return size == 0 || FewPlain<kContext>(p, size);
    }
    for (std::size_t i = 0; i + 8 < size; i += 8) {
        if (!EightPlain<kContext>(p + i)) {
            return false;
        }
    }
    return EightPlain<kContext>(p + size - 8);
}

// Writes text so that the reader gives it back: markup characters are escaped
// where they would end a value or a text, "]]>" splits a CDATA section, and
// characters that XML cannot hold become U+FFFD. Ordinary text passes as is.
template <Context kContext>
[[gnu::noinline]] void AppendEscaped(XMLOutput& out, std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        i = PlainEnd<kContext>(text, i);
        out.Put(text.substr(start, i - start));
        if (i < text.size()) i += AppendSpecial(out, text, i, kContext);
    }
}

template <Context kContext>
void Append(XMLOutput& out, std::u16string_view text) {
    if (AllPlain<kContext>(text)) {
        out.Put(text);
    } else {
        AppendEscaped<kContext>(out, text);
    }
}

void WriteElement(XMLOutput& out, const XMLElement& element, std::size_t depth) {
    out.PutTabs(depth);
    out.Put(u'<');
    // A name is written one character for one, so the end tag can repeat it.
    const std::size_t nameAt = out.Position();
    Append<Context::Name>(out, element.GetName());
    for (const auto& [name, value] : element.Attributes()) {
        out.Put(u' ');
        Append<Context::Name>(out, name);
        out.Put(u"=\"");
        Append<Context::Attribute>(out, value);
        out.Put(u'"');
    }
    if (element.IsSelfClosing()) {
        out.Put(u"/>");
        return;
    }
    out.Put(u'>');
    if (element.IsCdata()) {
        out.Put(u"<![CDATA[");
        Append<Context::Cdata>(out, element.GetText());
        out.Put(u"]]>");
    } else {
        Append<Context::Text>(out, element.GetText());
    }
    for (const XMLElement* child : element.Children()) {
        out.Put(u'\n');
        WriteElement(out, *child, depth + 1);
    }
    if (!element.Children().empty()) {
        out.Put(u'\n');
        out.PutTabs(depth);
    }
    out.Put(u"</");
    if (!out.PutAgain(nameAt, element.GetName().size())) {
        Append<Context::Name>(out, element.GetName());
    }
    out.Put(u'>');
}

void Render(ByteSink& sink, const XMLElement* root) {
    XMLOutput out(sink);
    out.Put(u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n");
    if (root) WriteElement(out, *root, 0);
    out.Flush();
}

class StringSink : public ByteSink {
public:
    bool Write(std::string_view bytes) override {
        this->bytes.append(bytes);
        return true;
    }
    std::string bytes;
};

}  // namespace

std::string XMLDocument::ToBytes() const {
    StringSink sink;
    Render(sink, root_.get());
    return std::move(sink.bytes);
}

FileResult XMLDocument::Save(const std::filesystem::path& path) const {
    if (!root_) return FileResult::Failed(EINVAL);
    return WriteFileAtomically(path, [this](ByteSink& sink) { Render(sink, root_.get()); });
}

}  // namespace vesk
