#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "import/NarrowStream.h"
#include "import/NoteRecordV3.h"
#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"
#include "settings/FontEngine.h"

namespace vesk {
namespace {

constexpr int kTitleBarHeight = 24;

// The two numbers of a Windows file time for a calendar date and time.
std::string FileTime(int year, unsigned month, unsigned day, int secondOfDay) {
    using namespace std::chrono;
    const auto days = sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(days + 134774) * 86400 + secondOfDay) * 10'000'000;
    return std::to_string(ticks >> 32) + " " + std::to_string(ticks & 0xffffffff);
}

// A record in the previous version's text form, with Windows line ends.
struct RecordText {
    std::string kind = "0";
    std::string alarm;
    std::string created = FileTime(2007, 1, 27, 2493);
    std::vector<std::string> lines;
    std::optional<std::string> lineCount;
    std::string rect = "10 20 210 220";
    std::string flags = "0 0 0 0";
    std::string alpha = "\xc8";
    std::string font = "Arial\n16 0 0";
    std::string drawing;

    std::string Text() const {
        std::string text = "3\nCaf\xe9 \x80\n" + kind + "\n";
        text += (alarm.empty() ? "0\n" : "1\n" + alarm + "\n") + created + "\n";
        text += lineCount.value_or(std::to_string(lines.size())) + "\n";
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        text += rect + "\n" + flags + " " + alpha + "\n255 242 0 255 255 128 10 20 30 1 2 3\n" +
                font + "\n" + drawing;
        std::string windows;
        for (char c : text) {
            windows += c == '\n' ? "\r\n" : std::string(1, c);
        }
        return windows;
    }
};

std::unique_ptr<NoteData> Read(const RecordText& record, int titleBarHeight = kTitleBarHeight) {
    std::istringstream stream(record.Text());
    NarrowStream in(stream);
    double version = 0;
    EXPECT_TRUE(in.ReadReal(version));
    return ReadNoteRecordV3(in, titleBarHeight);
}

TEST(NoteRecordV3Test, MessageWithEveryField) {
    test::ScopedTimeZone timeZone("EST5EDT,M3.2.0,M11.1.0");
    RecordText record;
    record.alarm = FileTime(2007, 7, 1, 30600) + " 2C:\\ring.wav";
    record.lines = {"first\r", "second", "third\r"};
    record.rect = "100 200 130 2000";
    record.flags = "1 1 1 1";
    record.alpha = "\x05";
    record.font = "Times New Roman\n-32 1 1";

    std::unique_ptr<NoteData> note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetTitle(), u"Caf\u00e9 \u20ac");
    EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"first\nsecond\nthird\r");
    EXPECT_EQ(*note->GetAlarm(),
              (AlarmData{TextToTime(u"2007-07-01 08:30:00"), 2, u"C:\\ring.wav"}));
    EXPECT_EQ(note->GetCreationTime(), TextToTime(u"2007-01-27 00:41:33"));
    EXPECT_EQ(note->GetRect(), (Rect{100, 200, 150, 1700}));
    EXPECT_EQ(note->GetState(), NoteData::kStateHidden);
    EXPECT_EQ(note->GetAlignment(), NoteData::kAlignCenter);
    EXPECT_EQ(note->GetStayOnTop(), 1);
    EXPECT_TRUE(note->IsShaded());
    EXPECT_EQ(note->GetAlpha(), 10);
    EXPECT_EQ(note->GetStyle().bg2color, RGB(255, 255, 128));
    EXPECT_EQ(note->GetStyle().titlecolor, RGB(1, 2, 3));
    EXPECT_EQ(note->GetFont(), FontData(u"Times New Roman", -24, true, true));
}

TEST(NoteRecordV3Test, AlarmAndTimeForms) {
    test::ScopedTimeZone timeZone("UTC0");
    // A repeat value above 2 ends the alarm after its time; the next numbers
    // are the creation time.
    RecordText record;
    record.alarm = FileTime(2008, 2, 29, 86399) + " 7";
    std::unique_ptr<NoteData> note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(*note->GetAlarm(), (AlarmData{TextToTime(u"2008-02-29 23:59:59"), 0, u""}));
    EXPECT_EQ(note->GetCreationTime(), TextToTime(u"2007-01-27 00:41:33"));

    // The sound file keeps the blank after the number; times before 1900 and
    // file times with the top bit set do not convert.
    record.alarm = "0 0 1 my ring.wav";
    record.created = "0 5";
    note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(*note->GetAlarm(), (AlarmData{AlarmData::NoTimeMark(), 1, u" my ring.wav"}));
    EXPECT_EQ(note->GetCreationTime(), 0);
    record.created = "2147483648 0";
    EXPECT_EQ(Read(record)->GetCreationTime(), 0);
    record.created = "2147483647 -1";
    EXPECT_GT(Read(record)->GetCreationTime(), TextToTime(u"9999-12-31 23:59:59"));
}

TEST(NoteRecordV3Test, ChecklistItemsFromLines) {
    RecordText record;
    record.kind = "2";
    record.lines = {"*^Milk\r", "Eggs\r"};
    std::unique_ptr<NoteData> note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ChecklistNoteData&>(*note).GetItems(),
              (std::vector<ChecklistItem>{{true, u"Milk"}, {false, u"Eggs"}}));

    // Every line end closes an item, and the last character only closes one.
    record.lines = {"a", "", "*^", "^*b", "cd"};
    note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ChecklistNoteData&>(*note).GetItems(),
              (std::vector<ChecklistItem>{
                  {false, u"a"}, {false, u""}, {true, u""}, {false, u"^*b"}, {false, u"c"}}));
}

TEST(NoteRecordV3Test, ScribbleRunsAndCanvas) {
    RecordText record;
    record.kind = "1";
    record.rect = "0 0 300 200";
    // Clear 10, ink 5, clear across two rows, ink 3 on the third row, clear.
    record.drawing = std::string("\x00", 1) + " 10 5 485 3 61997";
    std::unique_ptr<NoteData> note = Read(record);
    ASSERT_NE(note, nullptr);
    const Bitmap* image = dynamic_cast<ScribbleNoteData&>(*note).GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 280);
    EXPECT_EQ(image->GetHeight(), 200 - kTitleBarHeight - 20);
    const std::uint32_t ink = ArgbFromColor(RGB(10, 20, 30), 0xff);
    std::vector<std::pair<int, int>> inked;
    for (int y = 0; y < image->GetHeight(); ++y) {
        for (int x = 0; x < image->GetWidth(); ++x) {
            if (image->GetPixel(x, y) != 0) {
                EXPECT_EQ(image->GetPixel(x, y), ink);
                inked.emplace_back(x, y);
            }
        }
    }
    EXPECT_EQ(inked, (std::vector<std::pair<int, int>>{
                         {10, 0}, {11, 0}, {12, 0}, {13, 0}, {14, 0}, {0, 2}, {1, 2}, {2, 2}}));

    // A run longer than what is left covers the rest.
    record.drawing = "\x01 4294967295";
    note = Read(record);
    ASSERT_NE(note, nullptr);
    image = dynamic_cast<ScribbleNoteData&>(*note).GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(249, 155), ink);
    EXPECT_EQ(image->GetPixel(250, 0), 0u);

    // A title bar that leaves no canvas keeps the note without a drawing.
    note = Read(record, 180);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ScribbleNoteData&>(*note).GetImage(), nullptr);

    for (const char* runs : {"\x01 10 0 62490", "\x01 10 20 30", "\x01 10 x"}) {
        record.drawing = runs;
        EXPECT_EQ(Read(record), nullptr) << runs;
    }
}

TEST(NoteRecordV3Test, KindsClampsAndEarlyEnds) {
    RecordText record;
    record.kind = "5";
    record.lines = {"ignored"};
    record.rect = "0 0 5000 10";
    record.flags = "-1 7 2 0";
    std::unique_ptr<NoteData> note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(dynamic_cast<PictureNoteData&>(*note).GetSource().empty());
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 1500, 50}));
    EXPECT_EQ(note->GetState(), -1);
    EXPECT_EQ(note->GetAlignment(), 7);

    record.kind = "0";
    record.rect = "2147483600 -2147483648 -2147483648 2147483647";
    note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetRect().Width(), 50);
    EXPECT_EQ(note->GetRect().Height(), 50);

    for (const char* kind : {"3", "4", "-1", "4294967296", "x"}) {
        record.kind = kind;
        EXPECT_EQ(Read(record), nullptr) << kind;
    }
    record.kind = "0";
    for (const char* count : {"4294967295", "many"}) {
        record.lineCount = count;
        EXPECT_EQ(Read(record), nullptr) << count;
    }

    // Numbers missing after the content leave their defaults.
    std::istringstream cut("\r\nTitle\r\n0\r\n0\r\n0 0\r\n1\r\nonly\r\n");
    NarrowStream in(cut);
    note = ReadNoteRecordV3(in, kTitleBarHeight);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"only");
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 50, 50}));
    EXPECT_EQ(note->GetAlpha(), NoteData::kLoadingAlpha);
    EXPECT_TRUE(note->GetFont().IsDefault());
}

TEST(NoteRecordV3Test, FontSizeFollowsTheScreenResolution) {
    class Engine : public FontEngine {
        struct Fonts : DrawingFonts {
            int GetHeight() const override { return 1; }
        };
        std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
            return font.GetFace() == u"Nowhere" ? nullptr : std::make_unique<Fonts>();
        }
        double GetScreenResolution() const override { return 120.0; }
    } engine;
    RegisterFontEngine(&engine);
    RecordText record;
    record.font = "Verdana\n21 0 1";
    EXPECT_EQ(Read(record)->GetFont(), FontData(u"Verdana", 13, false, true));
    record.font = "Nowhere\n21 1 1";
    EXPECT_EQ(Read(record)->GetFont(), FontData());
    RegisterFontEngine(nullptr);
}

}  // namespace
}  // namespace vesk
