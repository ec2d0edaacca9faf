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
        alarm.time = TextToTime(u"1985-06-09 23:59:59");
        EXPECT_TRUE(alarm.HasTime());
        // Time 0, what a short time text reads as, lies in the past: a time.
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
    const XMLElement* written = behavior.FindChild(u"alarm");
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->GetAttribute(u"repeat"), u"once");
    ASSERT_NE(written->FindChild(u"time"), nullptr);
    EXPECT_EQ(written->FindChild(u"time")->GetText(), u"2007-02-01 08:30:00");
    EXPECT_EQ(written->FindChild(u"soundfile"), nullptr);
    AlarmData read;
    read.soundfile = u"left over";
    read.LoadFromElement(*written);
    EXPECT_EQ(read, alarm);

    alarm.repeat = AlarmData::kRepeatLoop;
    alarm.soundfile = u"/home/me/ring.wav";
    alarm.time = AlarmData::NoTimeMark() + 3600;
    XMLElement other(u"behavior");
    alarm.SaveToElement(other);
    written = other.FindChild(u"alarm");
    EXPECT_EQ(written->GetAttribute(u"repeat"), u"loop");
    EXPECT_EQ(written->FindChild(u"time"), nullptr);
    read.LoadFromElement(*written);
    EXPECT_EQ(read.time, AlarmData::NoTimeMark());
    EXPECT_EQ(read.repeat, AlarmData::kRepeatLoop);
    EXPECT_EQ(read.soundfile, alarm.soundfile);
}

TEST(AlarmDataTest, RepeatLiteralsAndOddValues) {
    struct Case {
        const char16_t* text;
        std::int32_t repeat;
    };
    for (const Case& c : {Case{u"once", 1}, Case{u"loop", 2}, Case{u"none", 0}, Case{u"Once", 0},
                          Case{u"LOOP", 0}, Case{u"1", 0}, Case{u"", 0}}) {
        XMLElement element(u"alarm");
        element.SetAttribute(u"repeat", c.text);
        AlarmData alarm;
        alarm.repeat = 2;
        alarm.LoadFromElement(element);
        EXPECT_EQ(alarm.repeat, c.repeat);
    }

    // A repeat value the program does not know writes no attribute.
    AlarmData odd;
    odd.repeat = 7;
    XMLElement behavior(u"behavior");
    odd.SaveToElement(behavior);
    EXPECT_EQ(behavior.FindChild(u"alarm")->Attributes().count(u"repeat"), 0u);

    // A short time text is time 0, due at once.
    XMLElement element(u"alarm");
    element.AddChild(u"time").SetText(u"2007-02-01");
    AlarmData alarm;
    alarm.LoadFromElement(element);
    EXPECT_EQ(alarm.time, 0);
}

}  // namespace
}  // namespace vesk
