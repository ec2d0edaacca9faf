#include "xml/XMLElement.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <memory>
#include <new>

#include "xml/XMLArena.h"

namespace vesk {

namespace {

struct ByName {
    bool operator()(const XMLElement* child, std::u16string_view name) const {
        return child->GetName() < name;
    }
    bool operator()(std::u16string_view name, const XMLElement* child) const {
        return name < child->GetName();
    }
    bool operator()(const XMLAttribute& attribute, std::u16string_view name) const {
        return attribute.name < name;
    }
};

// Room for one more item in an array kept in the arena: a full array is
// copied to one twice its size, and the old one is left behind.
template <typename T>
void ReserveOneMore(XMLArena& arena, T*& items, std::uint32_t count, std::uint32_t capacity,
                    std::uint32_t grown) {
    if (count == capacity) {
        T* moved = arena.Allocate<T>(grown);
        std::copy_n(items, count, moved);
        items = moved;
    }
}

// A size the element keeps in 32 bits.
std::uint32_t Size32(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        throw std::bad_alloc();
    }
    return static_cast<std::uint32_t>(size);
}

}  // namespace

std::uint32_t XMLElement::Capacity(std::size_t count) {
    if (count > std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::bad_alloc();
    }
    return count == 0 ? 0 : std::bit_ceil(static_cast<std::uint32_t>(count));
}

XMLElement::XMLElement(std::u16string_view name, bool selfClosing, bool cdata)
    : ownsArena_(true), selfClosing_(selfClosing), cdata_(cdata) {
    auto arena = std::make_unique<XMLArena>();
    SetName(arena->Copy(name));
    arena_ = arena.release();
}

XMLElement::XMLElement(XMLArena& arena, std::u16string_view storedName, bool selfClosing,
                       bool cdata)
    : arena_(&arena), ownsArena_(false), selfClosing_(selfClosing), cdata_(cdata) {
    SetName(storedName);
}

void XMLElement::SetName(std::u16string_view stored) {
    name_ = stored.data();
    nameSize_ = Size32(stored.size());
}

XMLElement::~XMLElement() {
    if (ownsArena_) {
        delete arena_;
    }
}

void XMLElement::SetText(std::u16string_view text) {
    const std::u16string_view stored = arena_->CopyShared(text);
    text_ = stored.data();
    textSize_ = Size32(stored.size());
}

const XMLAttribute* XMLElement::FindAttribute(std::u16string_view name) const {
    const XMLAttribute* first = attributes_;
    const XMLAttribute* end = first + attributeCount_;
    const XMLAttribute* found = std::lower_bound(first, end, name, ByName{});
    return found != end && found->name == name ? found : nullptr;
}

std::u16string_view XMLElement::GetAttribute(std::u16string_view name) const {
    const XMLAttribute* found = FindAttribute(name);
    return found != nullptr ? found->value : std::u16string_view();
}

void XMLElement::SetAttribute(std::u16string_view name, std::u16string_view value) {
    XMLAttribute* end = attributes_ + attributeCount_;
    XMLAttribute* found = std::lower_bound(attributes_, end, name, ByName{});
    if (found != end && found->name == name) {
        found->value = arena_->CopyShared(value);
        return;
    }
    const auto at = found - attributes_;
    const XMLAttribute added{arena_->CopyShared(name), arena_->CopyShared(value)};
    ReserveOneMore(*arena_, attributes_, attributeCount_, Capacity(attributeCount_),
                   Capacity(attributeCount_ + std::size_t{1}));
    std::copy_backward(attributes_ + at, attributes_ + attributeCount_,
                       attributes_ + attributeCount_ + 1);
    attributes_[at] = added;
    ++attributeCount_;
}

XMLElement& XMLElement::AddChild(std::u16string_view name, bool selfClosing, bool cdata) {
    // Children usually come in name order (the notes of a section, the items
    // of a list), so the end is tried before a search.
    std::uint32_t at = childCount_;
    if (at != 0 && name < children_[at - 1]->GetName()) {
        at = static_cast<std::uint32_t>(
            std::upper_bound(children_, children_ + childCount_, name, ByName{}) - children_);
    }
    XMLElement* child = new (arena_->Allocate<XMLElement>(1))
        XMLElement(*arena_, arena_->CopyShared(name), selfClosing, cdata);
    ReserveOneMore(*arena_, children_, childCount_, Capacity(childCount_),
                   Capacity(childCount_ + std::size_t{1}));
    std::copy_backward(children_ + at, children_ + childCount_, children_ + childCount_ + 1);
    children_[at] = child;
    ++childCount_;
    return *child;
}

XMLElement::ChildRange XMLElement::FindChildren(std::u16string_view name) const {
    const auto [first, last] = std::equal_range(children_, children_ + childCount_, name, ByName{});
    return {first, static_cast<std::size_t>(last - first)};
}

const XMLElement* XMLElement::FindChild(std::u16string_view name) const {
    XMLElement* const* first = children_;
    XMLElement* const* end = first + childCount_;
    XMLElement* const* found = std::lower_bound(first, end, name, ByName{});
    return found != end && (*found)->GetName() == name ? *found : nullptr;
}

}  // namespace vesk
