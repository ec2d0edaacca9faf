#include "settings/ThemeData.h"

#include <cstdlib>
#include <iterator>

#include "xml/XMLElement.h"

namespace vesk {

int StandardRandom() { return std::rand(); }

std::int32_t ThemeData::AddStyle(COLORREF bgcolor, COLORREF bg2color, COLORREF textcolor,
                                 COLORREF titlecolor) {
    while (styles_.contains(nextStyleId_)) {
        ++nextStyleId_;
    }
    const std::int32_t id = nextStyleId_++;
    StyleData& style = styles_[id];
    style.id = id;
    style.SetColors(bgcolor, bg2color, textcolor, titlecolor);
    return id;
}

bool ThemeData::RemoveStyle(std::int32_t id) { return styles_.erase(id) > 0; }

StyleData ThemeData::FindStyle(std::int32_t id) const {
    const auto it = styles_.find(id);
    return it == styles_.end() ? StyleData() : it->second;
}

StyleData* ThemeData::EditStyle(std::int32_t id) {
    const auto it = styles_.find(id);
    return it == styles_.end() ? nullptr : &it->second;
}

StyleData ThemeData::RandomStyle(const RandomSource& random) {
    if (styles_.empty()) {
        const COLORREF black = RGB(0, 0, 0);
        return styles_.at(AddStyle(RGB(255, 242, 0), RGB(255, 255, 128), black, black));
    }
    // The cast keeps a negative draw from an injected source in range.
    const auto k = static_cast<unsigned>(random()) % styles_.size();
    return std::next(styles_.begin(), static_cast<std::ptrdiff_t>(k))->second;
}

void ThemeData::ClearStyles() {
    styles_.clear();
    nextStyleId_ = 0;
}

void ThemeData::SaveToElement(XMLElement& parent, bool selected) const {
    FillElement(parent.AddChild(u"theme"), selected);
}

void ThemeData::FillElement(XMLElement& element, bool selected) const {
    element.SetAttribute(u"name", name_);
    if (selected) {
        element.SetAttribute(u"selected", u"true");
    }
    for (const auto& [id, style] : styles_) {
        style.SaveToElement(element);
    }
}

void ThemeData::LoadFromElement(const XMLElement& element) {
    ClearStyles();
    name_ = element.GetAttribute(u"name");
    for (const XMLElement* stored : element.FindChildren(u"style")) {
        const std::int32_t id = nextStyleId_++;
        StyleData& style = styles_[id];
        style.id = id;
        style.LoadFromElement(*stored);
    }
}

}  // namespace vesk
