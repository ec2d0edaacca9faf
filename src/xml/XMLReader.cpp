// Reading a file into the element tree, with expat as the parser.
#include <expat.h>

#include <vector>

#include "xml/FileIO.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

constexpr std::size_t kNameLimit = 10027;
// The system's files nest six levels deep. Far deeper trees come only from
// hostile files, and freeing or writing them would exhaust the stack.
constexpr std::size_t kDepthLimit = 1000;
// expat takes an int length: feed big files in slices.
constexpr std::size_t kSlice = 1 << 20;

// Names and attribute values are cut to the old limit. Names are taken whole,
// prefix included: the system's files carry no namespaces, and cutting at a
// prefix could leave a name (such as "1" from "a:1") that cannot be written.
std::u16string Limited(const XML_Char* text) {
    std::u16string wide = Utf8ToWide(text);
    if (wide.size() > kNameLimit) wide.resize(kNameLimit);
    return wide;
}

// Turns parser events into elements. expat hands one run of text or CDATA
// over in several pieces (at line ends, entity references, buffer ends), so
// the pieces are gathered and a run is applied only when markup ends it.
class XMLContentHandler {
public:
    XMLContentHandler(XML_Parser parser, std::unique_ptr<XMLElement>& root)
        : parser_(parser), root_(root) {}

    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<XMLContentHandler*>(self)->StartElement(name, attributes);
    }
    static void XMLCALL OnEnd(void* self, const XML_Char* name) {
        static_cast<XMLContentHandler*>(self)->EndElement(name);
    }
    static void XMLCALL OnCharacters(void* self, const XML_Char* text, int length) {
        static_cast<XMLContentHandler*>(self)->pending_.append(text,
                                                               static_cast<std::size_t>(length));
    }

private:
    void StartElement(const XML_Char* qualified, const XML_Char** attributes) {
        FlushText();
        std::u16string name = Limited(qualified);
        XMLElement* element;
        if (open_.size() >= kDepthLimit) {
            Fail();
            return;
        }
        if (!open_.empty()) {
            element = &open_.back()->AddChild(std::move(name));
        } else if (root_) {
            Fail();
            return;
        } else {
            root_ = std::make_unique<XMLElement>(std::move(name));
            element = root_.get();
        }
        open_.push_back(element);
        for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
            element->SetAttribute(Limited(a[0]), Limited(a[1]));
        }
    }

    void EndElement(const XML_Char* qualified) {
        FlushText();
        if (open_.empty() || open_.back()->GetName() != Limited(qualified)) {
            Fail();
            return;
        }
        open_.pop_back();
    }

    // A run that is a lone line feed is the writer's line break, not text;
    // each later run replaces the element's text.
    void FlushText() {
        if (pending_.empty()) return;
        if (pending_ != "\n" && !open_.empty()) open_.back()->SetText(Utf8ToWide(pending_));
        pending_.clear();
    }

    void Fail() { XML_StopParser(parser_, XML_FALSE); }

    XML_Parser parser_;
    std::unique_ptr<XMLElement>& root_;
    std::vector<XMLElement*> open_;
    std::string pending_;
};

}  // namespace

XMLElement& XMLDocument::CreateRoot(std::u16string name) {
    root_.reset();
    root_ = std::make_unique<XMLElement>(std::move(name));
    return *root_;
}

bool XMLDocument::Load(const std::filesystem::path& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) && LoadFromBytes(bytes);
}

bool XMLDocument::LoadFromBytes(std::string_view bytes) {
    root_.reset();
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (parser == nullptr) return false;
    XMLContentHandler handler(parser, root_);
    XML_SetUserData(parser, &handler);
    XML_SetElementHandler(parser, &XMLContentHandler::OnStart, &XMLContentHandler::OnEnd);
    XML_SetCharacterDataHandler(parser, &XMLContentHandler::OnCharacters);

    bool ok = true;
    do {
        const std::size_t size = std::min(bytes.size(), kSlice);
        const bool last = size == bytes.size();
        ok = XML_Parse(parser, bytes.data(), static_cast<int>(size), last) == XML_STATUS_OK;
        bytes.remove_prefix(size);
    } while (ok && !bytes.empty());
    XML_ParserFree(parser);
    return ok;
}

}  // namespace vesk
