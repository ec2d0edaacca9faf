#include "xml/XMLElement.h"

#include <vector>

namespace vesk {

XMLElement::XMLElement(std::u16string name, bool selfClosing, bool cdata)
    : name_(std::move(name)), selfClosing_(selfClosing), cdata_(cdata) {}

// Frees the subtree without recursion, so a hostile file nested a million
// levels deep cannot exhaust the stack.
XMLElement::~XMLElement() {
    std::vector<std::unique_ptr<XMLElement>> pending;
    for (auto& entry : children_) pending.push_back(std::move(entry.second));
    children_.clear();
    while (!pending.empty()) {
        std::unique_ptr<XMLElement> element = std::move(pending.back());
        pending.pop_back();
        for (auto& entry : element->children_) pending.push_back(std::move(entry.second));
        element->children_.clear();
    }
}

const std::u16string& XMLElement::GetAttribute(const std::u16string& name) const {
    static const std::u16string kEmpty;
    const auto found = attributes_.find(name);
    return found == attributes_.end() ? kEmpty : found->second;
}

void XMLElement::SetAttribute(const std::u16string& name, std::u16string value) {
    attributes_.insert_or_assign(name, std::move(value));
}

XMLElement& XMLElement::AddChild(std::u16string name, bool selfClosing, bool cdata) {
    auto child = std::make_unique<XMLElement>(name, selfClosing, cdata);
    XMLElement& added = *child;
    // A multimap inserts an equal key after the existing ones.
    children_.emplace(std::move(name), std::move(child));
    return added;
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
