#include <gtest/gtest.h>

#include <sstream>

#include "import/NarrowStream.h"

namespace vesk {
namespace {

TEST(NarrowStreamTest, NumbersWrapWhenUnsignedAndFailOutOfRange) {
    std::istringstream text(" -1\n-1 -65535 +12abc -2147483648 7 4294967296 8");
    NarrowStream in(text);
    std::uint32_t u32 = 0;
    std::uint16_t u16 = 0;
    std::int32_t i32 = 0;
    bool flag = false;
    EXPECT_TRUE(in.ReadUInt32(u32));
    EXPECT_EQ(u32, 4294967295u);
    EXPECT_TRUE(in.ReadUInt16(u16));
    EXPECT_EQ(u16, 65535);
    EXPECT_TRUE(in.ReadUInt16(u16));
    EXPECT_EQ(u16, 1);
    EXPECT_TRUE(in.ReadInt32(i32));
    EXPECT_EQ(i32, 12);
    EXPECT_FALSE(in.ReadInt32(i32));
    EXPECT_EQ(i32, 12);
    // A failed stream stays failed.
    EXPECT_TRUE(in.Failed());
    EXPECT_FALSE(in.ReadFlag(flag));

    std::istringstream limits("-2147483648 7 2147483648");
    NarrowStream edge(limits);
    EXPECT_TRUE(edge.ReadInt32(i32));
    EXPECT_EQ(i32, -2147483647 - 1);
    EXPECT_TRUE(edge.ReadFlag(flag));
    EXPECT_TRUE(flag);
    EXPECT_FALSE(edge.ReadInt32(i32));

    for (const char* bad : {"-", "+ 1", "", "1234567890123456789012345678901234567890"}) {
        std::istringstream badText(bad);
        NarrowStream badIn(badText);
        EXPECT_FALSE(badIn.ReadUInt32(u32)) << bad;
    }
}

TEST(NarrowStreamTest, RealNumbers) {
    std::istringstream text("3 +3e0 0.3e1 -2.5\n");
    NarrowStream in(text);
    double value = 0;
    for (double expected : {3.0, 3.0, 3.0, -2.5}) {
        ASSERT_TRUE(in.ReadReal(value));
        EXPECT_EQ(value, expected);
    }
    for (const char* bad : {"\xff\xfe<", ".", "e3", "1e"}) {
        std::istringstream badText(bad);
        NarrowStream badIn(badText);
        EXPECT_FALSE(badIn.ReadReal(value)) << bad;
    }
}

TEST(NarrowStreamTest, BytesLinesAndCarriageReturns) {
    std::istringstream text("12 \n\xc8\r\n line one\r\nline\rtwo\r\r\nlast");
    NarrowStream in(text);
    std::int32_t number = 0;
    std::uint8_t byte = 0;
    std::string line;
    ASSERT_TRUE(in.ReadInt32(number));
    EXPECT_TRUE(in.SkipRestOfLine());
    ASSERT_TRUE(in.ReadByte(byte));
    EXPECT_EQ(byte, 0xc8);
    for (const char* expected : {"", " line one", "line\rtwo\r", "last"}) {
        ASSERT_TRUE(in.ReadLine(line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_FALSE(in.ReadLine(line));

    // A byte is taken as it stands, digits included.
    std::istringstream digits("  7");
    NarrowStream digitIn(digits);
    ASSERT_TRUE(digitIn.ReadByte(byte));
    EXPECT_EQ(byte, '7');
    EXPECT_FALSE(digitIn.SkipRestOfLine());
}

}  // namespace
}  // namespace vesk
