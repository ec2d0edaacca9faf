// Reading a file into the element tree, with expat as the parser.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "xml/ExpatInput.h"
#include "xml/TextForms.h"
#include "xml/XMLArena.h"
#include "xml/XMLDocument.h"

namespace vesk {

namespace {

constexpr std::size_t kNameLimit = 10027;
// The system's files nest six levels deep. Far deeper trees come only from
// hostile files, and writing them would exhaust the stack.
constexpr std::size_t kDepthLimit = 1000;

// The UTF-16 form of what expat hands over in UTF-8, in a buffer that is
// reused: a view stays valid until the next conversion.
class Widened {
public:
    std::u16string_view operator()(std::string_view utf8) {
        if (utf8.size() > capacity_) {
            capacity_ = std::max(utf8.size(), 2 * capacity_);
            buffer_ = std::make_unique_for_overwrite<char16_t[]>(capacity_);
        }
        return {buffer_.get(), Utf8ToUtf16(utf8, buffer_.get())};
    }
    // Names and attribute values are cut to the old limit. Names are taken
    // whole, prefix included: the system's files carry no namespaces, and
    // cutting at a prefix could leave a name (such as "1" from "a:1") that
    // cannot be written.
    std::u16string_view Limited(const XML_Char* utf8) {
        return (*this)(utf8).substr(0, kNameLimit);
    }

private:
    std::unique_ptr<char16_t[]> buffer_;
    std::size_t capacity_ = 0;
};

bool NameBefore(const XMLAttribute& a, const XMLAttribute& b) { return a.name < b.name; }

}  // namespace

// Turns parser events into elements. The children of an open element are
// gathered aside and put into the element, in name order, when it closes.
// expat hands one run of text or CDATA over in several pieces (at line ends,
// entity references, buffer ends), so the pieces are gathered too and a run
// is applied only when markup ends it.
class XMLTreeBuilder {
public:
    XMLTreeBuilder(XML_Parser parser, std::unique_ptr<XMLElement>& root)
        : parser_(parser), root_(root) {}

    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<XMLTreeBuilder*>(self)->StartElement(name, attributes);
    }
    static void XMLCALL OnEnd(void* self, const XML_Char* name) {
        static_cast<XMLTreeBuilder*>(self)->EndElement(name);
    }
    static void XMLCALL OnCharacters(void* self, const XML_Char* text, int length) {
        static_cast<XMLTreeBuilder*>(self)->pending_.append(text, static_cast<std::size_t>(length));
    }

    // Closes what a parse that stopped early left open, so that the part of
    // the tree built so far is whole.
    void Finish() {
        while (depth_ != 0) {
            Close();
        }
    }

private:
    struct Level {
        XMLElement* element = nullptr;
        std::vector<XMLElement*> children;
        bool inOrder = true;
    };

    void StartElement(const XML_Char* qualified, const XML_Char** attributes) {
        FlushText();
        if (depth_ >= kDepthLimit) {
            Fail();
            return;
        }
        const std::u16string_view name = widened_.Limited(qualified);
        XMLElement* element;
        if (depth_ != 0) {
            Level& parent = levels_[depth_ - 1];
            const std::u16string_view stored = arena_->CopyShared(name);
            if (!parent.children.empty() && stored < parent.children.back()->GetName()) {
                parent.inOrder = false;
            }
            element =
                new (arena_->Allocate<XMLElement>(1)) XMLElement(*arena_, stored, false, false);
            parent.children.push_back(element);
        } else if (root_) {
            Fail();
            return;
        } else {
            root_ = std::make_unique<XMLElement>(name);
            arena_ = root_->arena_;
            element = root_.get();
        }
        // The levels stay when elements close, so their lists keep their room.
        if (levels_.size() == depth_) {
            levels_.emplace_back();
        }
        Level& level = levels_[depth_++];
        level.element = element;
        level.children.clear();
        level.inOrder = true;
        SetAttributes(*element, attributes);
    }

    void SetAttributes(XMLElement& element, const XML_Char** attributes) {
        std::size_t count = 0;
        while (attributes[2 * count] != nullptr) {
            ++count;
        }
        if (count == 0) {
            return;
        }
        XMLAttribute* first = arena_->Allocate<XMLAttribute>(XMLElement::Capacity(count));
        for (std::size_t i = 0; i < count; ++i) {
            first[i].name = arena_->CopyShared(widened_.Limited(attributes[2 * i]));
            first[i].value = arena_->CopyShared(widened_.Limited(attributes[2 * i + 1]));
        }
        XMLAttribute* last = first + count;
        const auto notAfter = [](const XMLAttribute& a, const XMLAttribute& b) {
            return !NameBefore(a, b);
        };
        if (std::adjacent_find(first, last, notAfter) != last) {
            // Names cut to the limit may repeat: the last one set wins.
            std::stable_sort(first, last, NameBefore);
            XMLAttribute* kept = first;
            for (XMLAttribute* a = first; a != last; ++a) {
                if (a + 1 == last || a[1].name != a->name) {
                    *kept++ = *a;
                }
            }
            last = kept;
        }
        element.attributes_ = first;
        element.attributeCount_ = static_cast<std::uint32_t>(last - first);
    }

    void EndElement(const XML_Char* qualified) {
        FlushText();
        if (depth_ == 0 || levels_[depth_ - 1].element->GetName() != widened_.Limited(qualified)) {
            Fail();
            return;
        }
        Close();
    }

    void Close() {
        Level& level = levels_[--depth_];
        std::vector<XMLElement*>& children = level.children;
        if (children.empty()) {
            return;
        }
        if (!level.inOrder) {
            std::stable_sort(children.begin(), children.end(),
                             [](const XMLElement* a, const XMLElement* b) {
                                 return a->GetName() < b->GetName();
                             });
        }
        XMLElement** stored = arena_->Allocate<XMLElement*>(XMLElement::Capacity(children.size()));
        std::copy(children.begin(), children.end(), stored);
        level.element->children_ = stored;
        level.element->childCount_ = static_cast<std::uint32_t>(children.size());
    }

    // A run that is a lone line feed is the writer's line break, not text;
    // each later run replaces the element's text.
    void FlushText() {
        if (pending_.empty()) {
            return;
        }
        if (depth_ != 0 && pending_ != "\n") {
            levels_[depth_ - 1].element->SetText(widened_(pending_));
        }
        pending_.clear();
    }

    void Fail() { XML_StopParser(parser_, XML_FALSE); }

    XML_Parser parser_;
    std::unique_ptr<XMLElement>& root_;
    XMLArena* arena_ = nullptr;
    std::vector<Level> levels_;
    std::size_t depth_ = 0;
    std::string pending_;
    Widened widened_;
};

namespace {

template <typename Feed>
bool ReadTree(std::unique_ptr<XMLElement>& root, Feed feed) {
    root.reset();
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (parser == nullptr) {
        return false;
    }
    XMLTreeBuilder builder(parser, root);
    XML_SetUserData(parser, &builder);
    XML_SetElementHandler(parser, &XMLTreeBuilder::OnStart, &XMLTreeBuilder::OnEnd);
    XML_SetCharacterDataHandler(parser, &XMLTreeBuilder::OnCharacters);
    const bool ok = feed(parser);
    builder.Finish();
    XML_ParserFree(parser);
    return ok;
}

}  // namespace

XMLElement& XMLDocument::CreateRoot(std::u16string_view name) {
    root_.reset();
    root_ = std::make_unique<XMLElement>(name);
    return *root_;
}

bool XMLDocument::Load(const std::filesystem::path& path) {
    return ReadTree(root_, [&path](XML_Parser parser) { return ParseFile(parser, path); });
}

bool XMLDocument::LoadFromBytes(std::string_view bytes) {
    return ReadTree(root_, [bytes](XML_Parser parser) { return ParseBytes(parser, bytes); });
}

}  // namespace vesk
