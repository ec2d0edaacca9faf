#include "app/AlarmData.h"

#include <ctime>

#include "xml/LocalTime.h"
#include "xml/XMLElement.h"

namespace vesk {

namespace {
constexpr int kMarkYear = 1985 - 1900;
constexpr int kMarkMonth = 6 - 1;
constexpr int kMarkDay = 10;
}  // namespace

TimeValue AlarmData::NoTimeMark() {
    std::tm local{};
    local.tm_year = kMarkYear;
    local.tm_mon = kMarkMonth;
    local.tm_mday = kMarkDay;
    return FromLocalTime(local).value_or(0);
}

bool AlarmData::HasTime() const {
    std::tm local{};
    if (!ToLocalTime(time, local)) {
        return true;
    }
    return local.tm_year != kMarkYear || local.tm_mon != kMarkMonth || local.tm_mday != kMarkDay;
}

void AlarmData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"alarm");
    switch (repeat) {
        case kRepeatNone:
            element.SetAttribute(u"repeat", u"none");
            break;
        case kRepeatOnce:
            element.SetAttribute(u"repeat", u"once");
            break;
        case kRepeatLoop:
            element.SetAttribute(u"repeat", u"loop");
            break;
        default:
            break;
    }
    if (HasTime()) {
        element.AddChild(u"time").SetText(TimeToText(time));
    }
    if (!soundfile.empty()) {
        element.AddChild(u"soundfile").SetText(soundfile);
    }
}

void AlarmData::LoadFromElement(const XMLElement& element) {
    const std::u16string_view repeatText = element.GetAttribute(u"repeat");
    if (repeatText == u"once") {
        repeat = kRepeatOnce;
    } else if (repeatText == u"loop") {
        repeat = kRepeatLoop;
    } else {
        repeat = kRepeatNone;
    }
    const XMLElement* timeChild = element.FindChild(u"time");
    time = timeChild != nullptr ? TextToTime(timeChild->GetText()) : NoTimeMark();
    const XMLElement* soundChild = element.FindChild(u"soundfile");
    soundfile = soundChild != nullptr ? soundChild->GetText() : std::u16string();
}

}  // namespace vesk
