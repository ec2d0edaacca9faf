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

// The text being written, in a buffer sized from an estimate up front and
// never cleared first: the writer puts millions of small pieces, and a
// string's append would check and grow for each.
class Output {
public:
    explicit Output(std::size_t estimate)
        : buffer_(std::make_unique_for_overwrite<char16_t[]>(estimate)), capacity_(estimate) {}

    void Put(char16_t c) {
        Reserve(1);
        buffer_[size_++] = c;
    }
    void Put(std::u16string_view text) {
        Reserve(text.size());
        std::memcpy(buffer_.get() + size_, text.data(), text.size() * sizeof(char16_t));
        size_ += text.size();
    }
    void PutRepeated(char16_t c, std::size_t count) {
        Reserve(count);
        std::fill_n(buffer_.get() + size_, count, c);
        size_ += count;
    }
    std::u16string_view Text() const { return {buffer_.get(), size_}; }

private:
    void Reserve(std::size_t more) {
        if (size_ + more <= capacity_) {
            return;
        }
        capacity_ = std::max(2 * capacity_, size_ + more);
        auto grown = std::make_unique_for_overwrite<char16_t[]>(capacity_);
        std::memcpy(grown.get(), buffer_.get(), size_ * sizeof(char16_t));
        buffer_ = std::move(grown);
    }

    std::unique_ptr<char16_t[]> buffer_;
    std::size_t capacity_;
    std::size_t size_ = 0;
};

// Writes the character at text[i] that is not plain; returns how many
// characters it consumed.
std::size_t AppendSpecial(Output& out, std::u16string_view text, std::size_t i, Context context) {
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
        out.Put(context == Context::Cdata ? u"]]>&#13;<![CDATA[" : u"&#13;");
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

// Writes text so that the reader gives it back: markup characters are escaped
// where they would end a value or a text, "]]>" splits a CDATA section, and
// characters that XML cannot hold become U+FFFD. Ordinary text passes as is.
void Append(Output& out, std::u16string_view text, Context context) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && IsPlain(text[i], context)) ++i;
        out.Put(text.substr(start, i - start));
        if (i < text.size()) i += AppendSpecial(out, text, i, context);
    }
}

void WriteElement(Output& out, const XMLElement& element, std::size_t depth) {
    out.PutRepeated(u'\t', depth);
    out.Put(u'<');
    Append(out, element.GetName(), Context::Name);
    for (const auto& [name, value] : element.Attributes()) {
        out.Put(u' ');
        Append(out, name, Context::Name);
        out.Put(u"=\"");
        Append(out, value, Context::Attribute);
        out.Put(u'"');
    }
    if (element.IsSelfClosing()) {
        out.Put(u"/>");
        return;
    }
    out.Put(u'>');
    if (element.IsCdata()) {
        out.Put(u"<![CDATA[");
        Append(out, element.GetText(), Context::Cdata);
        out.Put(u"]]>");
    } else {
        Append(out, element.GetText(), Context::Text);
    }
    for (const XMLElement* child : element.Children()) {
        out.Put(u'\n');
        WriteElement(out, *child, depth + 1);
    }
    if (!element.Children().empty()) {
        out.Put(u'\n');
        out.PutRepeated(u'\t', depth);
    }
    out.Put(u"</");
    Append(out, element.GetName(), Context::Name);
    out.Put(u'>');
}

// The written size before escaping, so the output grows only in the rare
// case that something needs escaping; copying a 20 MB text over and over as
// it doubles would cost as much as writing it.
std::size_t EstimateSize(const XMLElement& element, std::size_t depth) {
    std::size_t size = 2 * depth + 2 * element.GetName().size() + element.GetText().size() + 24;
    for (const auto& [name, value] : element.Attributes()) size += name.size() + value.size() + 4;
    for (const XMLElement* child : element.Children()) size += EstimateSize(*child, depth + 1);
    return size;
}

Output Render(const XMLElement* root) {
    Output out((root ? EstimateSize(*root, 0) : 0) + 64);
    out.Put(u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n");
    if (root) WriteElement(out, *root, 0);
    return out;
}

}  // namespace

std::string XMLDocument::ToBytes() const {
    const Output out = Render(root_.get());
    const std::u16string_view text = out.Text();
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return bytes;
}

FileResult XMLDocument::Save(const std::filesystem::path& path) const {
    if (!root_) return FileResult::Failed(EINVAL);
    if constexpr (std::endian::native == std::endian::little) {
        // The text in memory already is UTF-16LE: write it without a copy.
        const Output out = Render(root_.get());
        const std::u16string_view text = out.Text();
        return WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    } else {
        return WriteFileAtomically(path, ToBytes());
    }
}

}  // namespace vesk
