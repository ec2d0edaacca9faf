#include "settings/HotKeyData.h"

#include "xml/TextForms.h"
#include "xml/XMLElement.h"

namespace vesk {

void HotKeyData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"hotkey", true);
    element.SetAttribute(u"id", id);
    element.SetAttribute(u"virtualKey", IntToText(virtualKey));
    element.SetAttribute(u"modifiers", IntToText(modifiers));
    element.SetAttribute(u"used", BoolToText(used));
}

void HotKeyData::LoadFromElement(const XMLElement& element) {
    id = element.GetAttribute(u"id");
    // Kept to their low 16 bits, whatever the file says.
    virtualKey = static_cast<std::uint16_t>(
        static_cast<std::uint32_t>(TextToInt(element.GetAttribute(u"virtualKey"))));
    modifiers = static_cast<std::uint16_t>(
        static_cast<std::uint32_t>(TextToInt(element.GetAttribute(u"modifiers"))));
    used = element.GetAttribute(u"used") == u"true";
}

}  // namespace vesk
