#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace vesk {

// One node of the element tree. Children are kept in a multimap keyed by name,
// so enumeration (and the written file) is in name order, while children of
// the same name keep the order in which they were added.
class XMLElement {
public:
    using ChildMap = std::multimap<std::u16string, std::unique_ptr<XMLElement>>;
    using AttributeMap = std::map<std::u16string, std::u16string>;
    using ChildIterator = ChildMap::const_iterator;
    using ChildRange = std::pair<ChildIterator, ChildIterator>;

    explicit XMLElement(std::u16string name, bool selfClosing = false, bool cdata = false);
    ~XMLElement();
    XMLElement(const XMLElement&) = delete;
    XMLElement& operator=(const XMLElement&) = delete;

    const std::u16string& GetName() const { return *name_; }
    const std::u16string& GetText() const { return text_; }
    void SetText(std::u16string text) { text_ = std::move(text); }

    // A missing attribute reads as the empty string and is not created.
    const std::u16string& GetAttribute(const std::u16string& name) const;
    void SetAttribute(std::u16string name, std::u16string value);

    // The new child goes after every existing child of the same name.
    XMLElement& AddChild(std::u16string name, bool selfClosing = false, bool cdata = false);

    // Children of exactly this name, first added first; empty when none.
    ChildRange FindChildren(const std::u16string& name) const;
    // First child of this name, or nullptr.
    const XMLElement* FindChild(const std::u16string& name) const;

    const ChildMap& Children() const { return children_; }
    const AttributeMap& Attributes() const { return attributes_; }
    bool IsSelfClosing() const { return selfClosing_; }
    bool IsCdata() const { return cdata_; }

private:
    struct ChildTag {};
    // A child's name is its key in the parent's map; it is not stored twice,
    // which keeps loading a large file down to half the allocations.
    XMLElement(ChildTag, const std::u16string& key, bool selfClosing, bool cdata);

    std::u16string ownName_;
    const std::u16string* name_;
    std::u16string text_;
    ChildMap children_;
    AttributeMap attributes_;
    bool selfClosing_;
    bool cdata_;
};

}  // namespace vesk
