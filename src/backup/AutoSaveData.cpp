#include "backup/AutoSaveData.h"

#include "xml/TextForms.h"

namespace vesk {

void AutoSaveData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"autosave");
    element.SetAttribute(u"enabled", BoolToText(enabled_));
    if (enabled_) element.AddChild(u"interval").SetText(IntToText(interval_));
}

void AutoSaveData::LoadFromElement(const XMLElement& element) {
    enabled_ = TextToBool(element.GetAttribute(u"enabled"));
    if (!enabled_) return;
    if (const XMLElement* interval = element.FindChild(u"interval")) {
        interval_ = TextToInt(interval->GetText());
    }
}

}  // namespace vesk
