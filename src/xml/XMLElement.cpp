#include "xml/XMLElement.h"

namespace vesk {

XMLElement::XMLElement(std::u16string name, bool selfClosing, bool cdata)
    : ownName_(std::move(name)), name_(&ownName_), selfClosing_(selfClosing), cdata_(cdata) {}

XMLElement::XMLElement(ChildTag, const std::u16string& key, bool selfClosing, bool cdata)
    : name_(&key), selfClosing_(selfClosing), cdata_(cdata) {}

XMLElement::~XMLElement() = default;

const std::u16string& XMLElement::GetAttribute(const std::u16string& name) const {
    static const std::u16string kEmpty;
    const auto found = attributes_.find(name);
    return found == attributes_.end() ? kEmpty : found->second;
}

void XMLElement::SetAttribute(std::u16string name, std::u16string value) {
    attributes_.insert_or_assign(std::move(name), std::move(value));
}

XMLElement& XMLElement::AddChild(std::u16string name, bool selfClosing, bool cdata) {
    // A multimap inserts an equal key after the existing ones.
    const auto slot = children_.emplace(std::move(name), nullptr);
    slot->second.reset(new XMLElement(ChildTag{}, slot->first, selfClosing, cdata));
    return *slot->second;
}

XMLElement::ChildRange XMLElement::FindChildren(const std::u16string& name) const {
    return children_.equal_range(name);
}

const XMLElement* XMLElement::FindChild(const std::u16string& name) const {
    // lower_bound, not find: find may return any of several equal keys.
    const auto found = children_.lower_bound(name);
    return found == children_.end() || found->first != name ? nullptr : found->second.get();
}

}  // namespace vesk
