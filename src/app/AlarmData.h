#pragma once

#include <cstdint>
#include <string>

#include "xml/TextForms.h"

namespace vesk {

class XMLElement;

// A note's alarm: when it goes off, how it sounds and what it plays.
struct AlarmData {
    enum Repeat : std::int32_t { kRepeatNone = 0, kRepeatOnce = 1, kRepeatLoop = 2 };

    // 10 June 1985, 00:00:00 local time: the stored files mark "no time" with
    // a time on that day.
    static TimeValue NoTimeMark();

    TimeValue time = NoTimeMark();
    std::int32_t repeat = kRepeatNone;
    // Empty means the program's standard alarm sound.
    std::u16string soundfile;

    // False for every time on the local date of the no-time mark.
    bool HasTime() const;

    void SaveToElement(XMLElement& parent) const;
    void LoadFromElement(const XMLElement& element);

    bool operator==(const AlarmData& other) const = default;
};

}  // namespace vesk
