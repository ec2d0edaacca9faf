#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vesk {

class XMLArena;

struct XMLAttribute {
    std::u16string_view name;
    std::u16string_view value;
};

// One node of the element tree. Children are kept in name order, so
// enumeration (and the written file) is in name order, while children of the
// same name keep the order in which they were added; attributes are kept in
// name order too.
//
// The root owns the storage of its whole tree: children, names, values and
// texts live until the root is destroyed, and every view handed out stays
// valid until then. Setters copy what they are given.
class XMLElement {
public:
    using ChildRange = std::span<const XMLElement* const>;
    using AttributeRange = std::span<const XMLAttribute>;

    // A root element.
    explicit XMLElement(std::u16string_view name, bool selfClosing = false, bool cdata = false);
    ~XMLElement();
    XMLElement(const XMLElement&) = delete;
    XMLElement& operator=(const XMLElement&) = delete;

    std::u16string_view GetName() const { return {name_, nameSize_}; }
    std::u16string_view GetText() const { return {text_, textSize_}; }
    void SetText(std::u16string_view text);

    // A missing attribute reads as the empty string and is not created.
    std::u16string_view GetAttribute(std::u16string_view name) const;
    bool HasAttribute(std::u16string_view name) const { return FindAttribute(name) != nullptr; }
    void SetAttribute(std::u16string_view name, std::u16string_view value);

    // The new child goes after every existing child of the same name.
    XMLElement& AddChild(std::u16string_view name, bool selfClosing = false, bool cdata = false);

    ChildRange Children() const { return {children_, childCount_}; }
    // Children of exactly this name, first added first; empty when none.
    ChildRange FindChildren(std::u16string_view name) const;
    // First child of this name, or nullptr.
    const XMLElement* FindChild(std::u16string_view name) const;

    AttributeRange Attributes() const { return {attributes_, attributeCount_}; }
    bool IsSelfClosing() const { return selfClosing_; }
    bool IsCdata() const { return cdata_; }

private:
    // The reader fills elements in bulk.
    friend class XMLTreeBuilder;

    // A child whose name is already in the arena.
    XMLElement(XMLArena& arena, std::u16string_view storedName, bool selfClosing, bool cdata);
    const XMLAttribute* FindAttribute(std::u16string_view name) const;
    void SetName(std::u16string_view stored);
    // How many children or attributes an array made for count of them has
    // room for: the arrays grow by doubling.
    static std::uint32_t Capacity(std::size_t count);

    // Kept small, with sizes beside the pointers: a notes file has hundreds
    // of thousands of elements, and the fewer bytes they take, the faster
    // the tree is walked.
    XMLArena* arena_;
    const char16_t* name_;
    const char16_t* text_ = nullptr;
    XMLElement** children_ = nullptr;
    XMLAttribute* attributes_ = nullptr;
    std::uint32_t nameSize_;
    std::uint32_t textSize_ = 0;
    std::uint32_t childCount_ = 0;
    std::uint32_t attributeCount_ = 0;
    bool ownsArena_;
    bool selfClosing_;
    bool cdata_;
};

}  // namespace vesk
