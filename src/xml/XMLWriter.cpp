// The system's own XML layout: one element per line, tab indentation,
// attributes and children in name order, UTF-16LE with a byte-order mark.
#include <bit>
#include <cstring>

#include "xml/FileIO.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

enum class Context { Name, Attribute, Text, Cdata };

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether c goes to the file as it is; everything else takes the slow path.
bool IsPlain(char16_t c, Context context) {
    if (IsSurrogate(c) || c >= 0xFFFE) return false;
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

// Writes the character at text[i] that is not plain; returns how many
// characters it consumed.
std::size_t AppendSpecial(std::u16string& out, std::u16string_view text, std::size_t i,
                          Context context) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        out.append(text.substr(i, 2));
        return 2;
    }
    // A character XML 1.0 cannot carry would make the whole file unreadable.
    if (IsSurrogate(c) || c >= 0xFFFE || (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') ||
        context == Context::Name) {
        out.push_back(0xFFFD);
        return 1;
    }
    // The parser turns a carriage return into a line feed, and line breaks in
    // values into spaces, unless they are character references.
    if (c == u'\r') {
        out.append(context == Context::Cdata ? u"]]>&#13;<![CDATA[" : u"&#13;");
    } else if (c == u'\t') {
        out.append(u"&#9;");
    } else if (c == u'\n') {
        out.append(u"&#10;");
    } else if (c == u'&') {
        out.append(u"&amp;");
    } else if (c == u'<') {
        out.append(u"&lt;");
    } else if (c == u'"') {
        out.append(u"&quot;");
    } else if (context != Context::Cdata) {
        out.append(u"&gt;");
    } else if (i >= 2 && text[i - 1] == u']' && text[i - 2] == u']') {
        out.append(u"]]><![CDATA[>");  // "]]>" would end the section
    } else {
        out.push_back(c);
    }
    return 1;
}

// Writes text so that the reader gives it back: markup characters are escaped
// where they would end a value or a text, "]]>" splits a CDATA section, and
// characters that XML cannot hold become U+FFFD. Ordinary text passes as is.
void Append(std::u16string& out, std::u16string_view text, Context context) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && IsPlain(text[i], context)) ++i;
        out.append(text.substr(start, i - start));
        if (i < text.size()) i += AppendSpecial(out, text, i, context);
    }
}

void WriteElement(std::u16string& out, const XMLElement& element, std::size_t depth) {
    out.append(depth, u'\t');
    out.push_back(u'<');
    Append(out, element.GetName(), Context::Name);
    for (const auto& [name, value] : element.Attributes()) {
        out.push_back(u' ');
        Append(out, name, Context::Name);
        out.append(u"=\"");
        Append(out, value, Context::Attribute);
        out.push_back(u'"');
    }
    if (element.IsSelfClosing()) {
        out.append(u"/>");
        return;
    }
    out.push_back(u'>');
    if (element.IsCdata()) {
        out.append(u"<![CDATA[");
        Append(out, element.GetText(), Context::Cdata);
        out.append(u"]]>");
    } else {
        Append(out, element.GetText(), Context::Text);
    }
    for (const auto& child : element.Children()) {
        out.push_back(u'\n');
        WriteElement(out, *child.second, depth + 1);
    }
    if (!element.Children().empty()) {
        out.push_back(u'\n');
        out.append(depth, u'\t');
    }
    out.append(u"</");
    Append(out, element.GetName(), Context::Name);
    out.push_back(u'>');
}

std::u16string Serialize(const XMLElement* root) {
    std::u16string text;
    text.append(u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n");
    if (root) WriteElement(text, *root, 0);
    return text;
}

}  // namespace

std::string XMLDocument::ToBytes() const {
    const std::u16string text = Serialize(root_.get());
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return bytes;
}

bool XMLDocument::Save(const std::filesystem::path& path) const {
    if (!root_) return false;
    if constexpr (std::endian::native == std::endian::little) {
        // The text in memory already is UTF-16LE: write it without a copy.
        const std::u16string text = Serialize(root_.get());
        return WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    } else {
        return WriteFileAtomically(path, ToBytes());
    }
}

}  // namespace vesk
