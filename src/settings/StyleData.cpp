#include "settings/StyleData.h"

#include "xml/XMLElement.h"

namespace vesk {

StyleData StyleData::Fallback() {
    StyleData style;
    style.SetColors(RGB(128, 225, 128), RGB(0, 64, 0), RGB(0, 0, 0), RGB(255, 255, 255));
    return style;
}

void StyleData::SetColors(COLORREF bg, COLORREF bg2, COLORREF text, COLORREF title) {
    bgcolor = bg;
    bg2color = bg2;
    textcolor = text;
    titlecolor = title;
}

void StyleData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"style");
    if (!name.empty()) {
        element.SetAttribute(u"name", name);
    }
    element.AddChild(u"bgcolor", true).SetAttribute(u"color", ColorToText(bgcolor));
    element.AddChild(u"bg2color", true).SetAttribute(u"color", ColorToText(bg2color));
    element.AddChild(u"textcolor", true).SetAttribute(u"color", ColorToText(textcolor));
    element.AddChild(u"titlecolor", true).SetAttribute(u"color", ColorToText(titlecolor));
}

void StyleData::LoadFromElement(const XMLElement& element) {
    for (const XMLElement* child : element.Children()) {
        const std::u16string_view childName = child->GetName();
        COLORREF* target = nullptr;
        if (childName == u"bgcolor") {
            target = &bgcolor;
        } else if (childName == u"bg2color") {
            target = &bg2color;
        } else if (childName == u"textcolor") {
            target = &textcolor;
        } else if (childName == u"titlecolor") {
            target = &titlecolor;
        }
        if (target != nullptr) {
            *target = TextToColor(child->GetAttribute(u"color"));
        }
    }
}

}  // namespace vesk
