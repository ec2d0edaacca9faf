#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/AlarmData.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

TEST(AlarmDataTest, NoTimeMarkIsEveryTimeOnTenJune1985LocalTime) {
    for (const char* zone : {"UTC0", "EST5EDT,M3.2.0,M11.1.0", "NZST-12NZDT,M9.5.0,M4.1.0/3"}) {
        test::ScopedTimeZone timeZone(zone);
        AlarmData alarm;
        EXPECT_EQ(TimeToText(alarm.time), u"1985-06-10 00:00:00") << zone;
        EXPECT_FALSE(alarm.HasTime());
        alarm.time = TextToTime(u"1985-06-10 23:59:59");
        EXPECT_FALSE(alarm.HasTime());
        alarm.time = TextToTime(u"1985-06-11 00:00:00");
        EXPECT_TRUE(alarm.HasTime());
        alarm.time = 0;
        EXPECT_TRUE(alarm.HasTime());
    }
}

TEST(AlarmDataTest, ElementRoundTrip) {
    test::ScopedTimeZone timeZone("EST5EDT,M3.2.0,M11.1.0");
    AlarmData alarm;
    alarm.time = TextToTime(u"2007-02-01 08:30:00");
    alarm.repeat = AlarmData::kRepeatOnce;
    XMLElement behavior(u"behavior");
    alarm.SaveToElement(behavior);
    const XMLElement& written = *behavior.FindChild(u"alarm");
    EXPECT_EQ(written.GetAttribute(u"repeat"), u"once");
    EXPECT_EQ(written.FindChild(u"time")->GetText(), u"2007-02-01 08:30:00");
    EXPECT_EQ(written.FindChild(u"soundfile"), nullptr);
    AlarmData read;
    read.soundfile = u"left over";
    read.LoadFromElement(written);
    EXPECT_EQ(read, alarm);

    // No time child on the mark's day; an unknown repeat writes no attribute.
    alarm.repeat = 7;
    alarm.soundfile = u"/home/me/ring.wav";
    alarm.time = AlarmData::NoTimeMark() + 3600;
    XMLElement other(u"behavior");
    alarm.SaveToElement(other);
    EXPECT_EQ(other.FindChild(u"alarm")->FindChild(u"time"), nullptr);
    EXPECT_EQ(other.FindChild(u"alarm")->Attributes().count(u"repeat"), 0u);
    read.LoadFromElement(*other.FindChild(u"alarm"));
    EXPECT_EQ(read, (AlarmData{AlarmData::NoTimeMark(), 0, u"/home/me/ring.wav"}));
}

TEST(AlarmDataTest, RepeatLiteralsAndShortTimes) {
    for (const char16_t* text : {u"none", u"Once", u"LOOP", u"1", u""}) {
        XMLElement element(u"alarm");
        element.SetAttribute(u"repeat", text);
        AlarmData alarm;
        alarm.repeat = 2;
        alarm.LoadFromElement(element);
        EXPECT_EQ(alarm.repeat, AlarmData::kRepeatNone);
    }
    // A short time text is time 0, due at once.
    XMLElement element(u"alarm");
    element.SetAttribute(u"repeat", u"loop");
    element.AddChild(u"time").SetText(u"2007-02-01");
    AlarmData alarm;
    alarm.LoadFromElement(element);
    EXPECT_EQ(alarm.time, 0);
    EXPECT_EQ(alarm.repeat, AlarmData::kRepeatLoop);
}

}  // namespace
}  // namespace vesk
