#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "TestSupport.h"
#include "xml/LocalTimeFormat.h"
#include "xml/TextForms.h"

namespace vesk {
namespace {

TEST(TextForms, Integers) {
    EXPECT_EQ(IntToText(-42), u"-42");
    for (const auto& [text, value] :
         {std::pair{u"12abc", 12}, {u"abc", 0}, {u" -7", -7}, {u"\t+5", 5}, {u"- 5", 0}}) {
        EXPECT_EQ(TextToInt(text), value);
    }
    EXPECT_EQ(TextToInt(u"99999999999999999999"), 2147483647) << "saturates, never overflows";
    EXPECT_EQ(TextToInt(u"-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(IntToHex(0), u"0");
    EXPECT_EQ(IntToHex(0xFFFFFFFFu), u"ffffffff");
}

TEST(TextForms, RealsAndBooleans) {
    EXPECT_EQ(RealToText(3.14159), u"3.14");
    EXPECT_EQ(RealToText(-0.5), u"-0.50");
    EXPECT_DOUBLE_EQ(TextToReal(u" 4.00"), 4.0);
    EXPECT_DOUBLE_EQ(TextToReal(u"1e999"), 0.0);
    EXPECT_TRUE(TextToBool(u"true"));
    for (const char16_t* text : {u"TRUE", u"True", u"1", u"", u"true "}) {
        EXPECT_FALSE(TextToBool(text));
    }
}

TEST(TextForms, Colours) {
    EXPECT_EQ(ColorToText(RGB(10, 11, 12)), u"#0a0b0c");
    EXPECT_EQ(TextToColor(u"#FFFFFF"), RGB(255, 255, 255));
    EXPECT_EQ(TextToColor(u"ffffff"), RGB(255, 255, 255));
    EXPECT_EQ(TextToColor(u"#"), 0u);
    EXPECT_EQ(TextToColor(u"#ff"), RGB(255, 0, 0));
    EXPECT_EQ(TextToColor(u"#zz10ff99"), RGB(0, 16, 255)) << "extra digits are ignored";
    for (COLORREF c = 0; c < 0x1000000; c += 0x010307) {
        ASSERT_EQ(TextToColor(ColorToText(c)), c);
    }
}

TEST(TextForms, TimesUseTheLocalZone) {
    test::ScopedTimeZone zone("America/New_York");
    const TimeValue t = TextToTime(u"2007-01-27 00:41:33");
    EXPECT_EQ(t, 1169876493);  // 05:41:33 UTC
    EXPECT_EQ(TimeToText(t), u"2007-01-27 00:41:33");
    EXPECT_EQ(TextToTime(u"2007/01/27 00.41.33"), t);
    EXPECT_EQ(TextToTime(u"2007-07-01 12:00:00"), 1183305600) << "summer time applies";
    // 02:30 on 11 March 2007 never showed: it reads as 03:30 summer time.
    EXPECT_EQ(TextToTime(u"2007-03-11 01:59:59"), 1173596399);
    EXPECT_EQ(TextToTime(u"2007-03-11 02:30:00"), 1173598200);
    EXPECT_EQ(TimeToText(1173598200), u"2007-03-11 03:30:00");
    // 01:30 on 4 November 2007 showed twice: it reads as the first time.
    EXPECT_EQ(TextToTime(u"2007-11-04 01:30:00"), 1194154200);
    EXPECT_EQ(TimeToText(1194154200 + 3600), u"2007-11-04 01:30:00");
    EXPECT_EQ(TextToTime(u"2007-11-04 02:00:00"), 1194159600);
    EXPECT_EQ(TextToTime(u"2007-02-31 12:00:00"), TextToTime(u"2007-03-03 12:00:00"));
    for (const char16_t* bad : {u"2007-01-27", u"2007-13-27 00:41:33", u"1899-01-27 00:41:33",
                                u"2007-01-27 24:00:00", u"garbage garbage garbage"}) {
        EXPECT_EQ(TextToTime(bad), 0);
    }
}

TEST(TextForms, TimesFollowTheZoneAndFormatWithinTheLimit) {
    test::ScopedTimeZone zone("UTC");
    EXPECT_EQ(TextToTime(u"2007-01-27 05:41:33"), 1169876493);
    const TimeValue time = 1170000000;  // 2007-01-28 16:00:00 UTC
    EXPECT_EQ(FormatLocalTime(time, u"F\u00e4llig %m/%d/%Y %H:%M"),
              u"F\u00e4llig 01/28/2007 16:00");
    EXPECT_EQ(FormatLocalTime(time, std::u16string(200, u'x')), std::u16string(128, u'x'));
    std::u16string pairs = u"x";
    for (int i = 0; i < 100; ++i) pairs += u"\U0001F600";
    EXPECT_EQ(FormatLocalTime(time, pairs).size(), 127u) << "no half of a surrogate pair";
    EXPECT_EQ(FormatLocalTime(std::numeric_limits<TimeValue>::max(), u"%Y"), u"");
}

TEST(TextForms, NarrowingIsLosslessUtf8) {
    const std::u16string name = u"caf\u00e9 \u4e2d \U0001F600.vesknote";
    EXPECT_EQ(WideToNarrow(name), "caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80.vesknote");
    EXPECT_EQ(Utf8ToWide(WideToNarrow(name)), name);
    EXPECT_EQ(PathToWide(WideToPath(name)), name);
    EXPECT_EQ(WideToNarrow(std::u16string(400, u'n')).size(), 400u) << "no 259-byte cut";
    EXPECT_EQ(WideToUtf8(std::u16string{0xD800, u'a'}),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(Utf8ToWide("\xC3(\xF0\x9F"), (std::u16string{0xFFFD, u'(', 0xFFFD}));
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), (std::u16string{0xFFFD})) << "encoded surrogate";
}

TEST(TextForms, PreviousVersionTextIsWindows1252) {
    EXPECT_EQ(NarrowToWide("Caf\xE9 \x80 \x93x\x94 \x81"),
              u"Caf\u00e9 \u20ac \u201cx\u201d \u0081");
    EXPECT_EQ(NarrowToWide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

}  // namespace
}  // namespace vesk
