// The system's own XML layout: one element per line, tab indentation,
// attributes and children in name order, UTF-16LE with a byte-order mark.
#include <bit>
#include <cstring>

#include "xml/FileIO.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

enum class Context { Name, Attribute, Text, Cdata };

// A character XML 1.0 cannot carry would make the whole file unreadable.
bool IsForbidden(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Writes text so that the reader gives it back: markup characters are escaped
// where they would end a value or a text, "]]>" splits a CDATA section, and
// characters that XML cannot hold become U+FFFD. Ordinary text passes as is.
void Append(std::u16string& out, std::u16string_view text, Context context) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out.push_back(c);
            out.push_back(text[++i]);
            continue;
        }
        if (IsForbidden(c) || IsHighSurrogate(c) || IsLowSurrogate(c)) {
            out.push_back(0xFFFD);
            continue;
        }
        if (context == Context::Cdata) {
            // A carriage return survives only as a reference, outside CDATA.
            if (c == u'\r') {
                out.append(u"]]>&#13;<![CDATA[");
                continue;
            }
            out.push_back(c);
            if (c == u'>' && i >= 2 && text[i - 1] == u']' && text[i - 2] == u']') {
                out.pop_back();
                out.append(u"]]><![CDATA[>");
            }
            continue;
        }
        if (context == Context::Name) {
            out.push_back(c);
            continue;
        }
        switch (c) {
            case u'&':
                out.append(u"&amp;");
                break;
            case u'<':
                out.append(u"&lt;");
                break;
            case u'>':
                out.append(u"&gt;");
                break;
            case u'"':
                context == Context::Attribute ? out.append(u"&quot;") : out.append(1, c);
                break;
            // The parser turns line breaks in values into spaces and every
            // carriage return into a line feed unless they are references.
            case u'\t':
            case u'\n':
                context == Context::Attribute ? out.append(c == u'\t' ? u"&#9;" : u"&#10;")
                                              : out.append(1, c);
                break;
            case u'\r':
                out.append(u"&#13;");
                break;
            default:
                out.push_back(c);
        }
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

}  // namespace

std::string XMLDocument::ToBytes() const {
    std::u16string text;
    text.append(u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n");
    if (root_) WriteElement(text, *root_, 0);

    std::string bytes(text.size() * 2, '\0');
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes.data(), text.data(), bytes.size());
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
            bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
        }
    }
    return bytes;
}

bool XMLDocument::Save(const std::filesystem::path& path) const {
    if (!root_) return false;
    return WriteFileAtomically(path, ToBytes());
}

}  // namespace vesk
