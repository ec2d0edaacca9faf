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
std::string FileTime(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    const auto days = sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
    const auto seconds = static_cast<std::uint64_t>(days + 134774) * 86400 +
                         static_cast<std::uint64_t>(hour * 3600 + minute * 60 + second);
    const std::uint64_t ticks = seconds * 10'000'000;
    return std::to_string(ticks >> 32) + " " + std::to_string(ticks & 0xffffffff);
}

// A record in the previous version's text form, with Windows line ends.
struct RecordText {
    std::string title = "Title";
    std::string kind = "0";
    std::string alarm;
    std::string created = FileTime(2007, 1, 27, 0, 41, 33);
    std::vector<std::string> lines;
    std::optional<std::string> lineCount;
    std::string rect = "10 20 210 220";
    std::string stateAlignTop = "0 0 0";
    std::string shaded = "0";
    std::string alpha = "\xc8";
    std::string style = "255 242 0 255 255 128 10 20 30 1 2 3";
    std::string font = "Arial\n16 0 0";
    std::string drawing;

    std::string Text() const {
        std::string text = "3\n" + title + "\n" + kind + "\n";
        text += alarm.empty() ? "0\n" : "1\n" + alarm + "\n";
        text += created + "\n" + lineCount.value_or(std::to_string(lines.size())) + "\n";
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        text += rect + "\n" + stateAlignTop + "\n" + shaded + " " + alpha + "\n" + style + "\n" +
                font + "\n" + drawing;
        std::string windows;
        for (char c : text) {
            windows += c == '\n' ? "\r\n" : std::string(1, c);
        }
        return windows;
    }
};

std::unique_ptr<NoteData> Read(const std::string& text, int titleBarHeight = kTitleBarHeight) {
    std::istringstream stream(text);
    NarrowStream in(stream);
    double version = 0;
    EXPECT_TRUE(in.ReadReal(version));
    return ReadNoteRecordV3(in, titleBarHeight);
}

TEST(NoteRecordV3Test, MessageWithEveryField) {
    test::ScopedTimeZone timeZone("EST5EDT,M3.2.0,M11.1.0");
    RecordText record;
    record.title = "Caf\xe9 \x80";
    record.alarm = FileTime(2007, 7, 1, 8, 30, 0) + " 2C:\\ring.wav";
    record.lines = {"first\r", "second", "third\r"};
    record.rect = "100 200 130 2000";
    record.stateAlignTop = "1 1 1";
    record.shaded = "1";
    record.alpha = "\x05";
    record.font = "Times New Roman\n-32 1 1";

    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    const auto& message = dynamic_cast<const MessageNoteData&>(*note);
    EXPECT_EQ(note->GetTitle(), u"Caf\u00e9 \u20ac");
    EXPECT_EQ(message.GetText(), u"first\nsecond\nthird\r");
    ASSERT_NE(note->GetAlarm(), nullptr);
    EXPECT_EQ(note->GetAlarm()->time, TextToTime(u"2007-07-01 08:30:00"));
    EXPECT_EQ(note->GetAlarm()->repeat, AlarmData::kRepeatLoop);
    EXPECT_EQ(note->GetAlarm()->soundfile, u"C:\\ring.wav");
    EXPECT_EQ(note->GetCreationTime(), TextToTime(u"2007-01-27 00:41:33"));
    EXPECT_EQ(note->GetRect(), (Rect{100, 200, 150, 1700}));
    EXPECT_EQ(note->GetState(), NoteData::kStateHidden);
    EXPECT_EQ(note->GetAlignment(), NoteData::kAlignCenter);
    EXPECT_EQ(note->GetStayOnTop(), 1);
    EXPECT_TRUE(note->IsShaded());
    EXPECT_EQ(note->GetAlpha(), 10);
    EXPECT_EQ(note->GetStyle().bgcolor, RGB(255, 242, 0));
    EXPECT_EQ(note->GetStyle().bg2color, RGB(255, 255, 128));
    EXPECT_EQ(note->GetStyle().textcolor, RGB(10, 20, 30));
    EXPECT_EQ(note->GetStyle().titlecolor, RGB(1, 2, 3));
    EXPECT_EQ(note->GetFont(), FontData(u"Times New Roman", -24, true, true));
}

TEST(NoteRecordV3Test, AlarmAndTimeForms) {
    test::ScopedTimeZone timeZone("UTC0");
    // A repeat value above 2 ends the alarm after its time; the next numbers
    // are the creation time.
    RecordText record;
    record.alarm = FileTime(2008, 2, 29, 23, 59, 59) + " 7";
    record.created = FileTime(1999, 12, 31, 12, 0, 0);
    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetAlarm()->time, TextToTime(u"2008-02-29 23:59:59"));
    EXPECT_EQ(note->GetAlarm()->repeat, AlarmData::kRepeatNone);
    EXPECT_TRUE(note->GetAlarm()->soundfile.empty());
    EXPECT_EQ(note->GetCreationTime(), TextToTime(u"1999-12-31 12:00:00"));

    // A sound file keeps whatever follows the number, blank included; times
    // before 1900 do not convert and leave the no-time mark or time 0.
    record.alarm = "0 0 1 my ring.wav";
    record.created = "0 5";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->GetAlarm()->HasTime());
    EXPECT_EQ(note->GetAlarm()->repeat, AlarmData::kRepeatOnce);
    EXPECT_EQ(note->GetAlarm()->soundfile, u" my ring.wav");
    EXPECT_EQ(note->GetCreationTime(), 0);

    // The largest file time with a date is far in the future; beyond it
    // there is no date.
    record.alarm.clear();
    record.created = "2147483647 -1";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetAlarm(), nullptr);
    EXPECT_GT(note->GetCreationTime(), TextToTime(u"9999-12-31 23:59:59"));
    record.created = "2147483648 0";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetCreationTime(), 0);
}

TEST(NoteRecordV3Test, ChecklistItemsFromLines) {
    RecordText record;
    record.kind = "2";
    record.lines = {"*^Milk\r", "Eggs\r"};
    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ChecklistNoteData&>(*note).GetItems(),
              (std::vector<ChecklistItem>{{true, u"Milk"}, {false, u"Eggs"}}));

    // Every line end closes an item, and the last character only closes one.
    record.lines = {"a", "", "*^", "^*b", "cd"};
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ChecklistNoteData&>(*note).GetItems(),
              (std::vector<ChecklistItem>{
                  {false, u"a"}, {false, u""}, {true, u""}, {false, u"^*b"}, {false, u"c"}}));

    record.lines.clear();
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(dynamic_cast<ChecklistNoteData&>(*note).GetItems().empty());
}

TEST(NoteRecordV3Test, ScribbleRunsAndCanvasSize) {
    RecordText record;
    record.kind = "1";
    record.rect = "0 0 300 200";
    // Clear 10, ink 5, clear across two rows, ink 3 on the third row, then clear.
    record.drawing = std::string("\x00", 1) + " 10 5 485 3 61997";
    std::unique_ptr<NoteData> note = Read(record.Text());
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

    // A run longer than what is left covers the rest; the start flag 1 inks first.
    record.drawing = "\x01 4294967295";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    image = dynamic_cast<ScribbleNoteData&>(*note).GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(249, 155), ink);
    EXPECT_EQ(image->GetPixel(250, 0), 0u);
}

TEST(NoteRecordV3Test, ScribbleFailuresAndMissingCanvas) {
    RecordText record;
    record.kind = "1";
    record.drawing = "\x01 10 0 62490";
    EXPECT_EQ(Read(record.Text()), nullptr);
    record.drawing = "\x01 10 20 30";
    EXPECT_EQ(Read(record.Text()), nullptr);
    record.drawing = "\x01 10 x";
    EXPECT_EQ(Read(record.Text()), nullptr);

    // A title bar that leaves no room keeps the note without a drawing.
    record.drawing = "\x01 62500";
    std::unique_ptr<NoteData> note = Read(record.Text(), 180);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<ScribbleNoteData&>(*note).GetImage(), nullptr);
}

TEST(NoteRecordV3Test, PictureAndUnknownKinds) {
    RecordText record;
    record.kind = "5";
    record.lines = {"ignored"};
    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(dynamic_cast<PictureNoteData&>(*note).GetSource().empty());

    for (const char* kind : {"3", "4", "-1", "4294967296", "x"}) {
        record.kind = kind;
        EXPECT_EQ(Read(record.Text()), nullptr) << kind;
    }
}

TEST(NoteRecordV3Test, ClampsAndSmallValues) {
    RecordText record;
    record.rect = "2147483600 -2147483648 -2147483648 2147483647";
    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetRect().Width(), 50);
    EXPECT_EQ(note->GetRect().Height(), 50);
    EXPECT_EQ(note->GetRect().left, 2147483600);

    record.rect = "0 0 5000 10";
    record.alpha = "\x0e";
    record.stateAlignTop = "-1 7 2";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 1500, 50}));
    EXPECT_EQ(note->GetAlpha(), 14);
    EXPECT_EQ(note->GetState(), -1);
    EXPECT_EQ(note->GetAlignment(), 7);
    EXPECT_EQ(note->GetStayOnTop(), 2);
}

TEST(NoteRecordV3Test, ContentThatEndsEarlyFailsTheRecord) {
    RecordText record;
    record.lines = {"one", "two"};
    record.lineCount = "4294967295";
    EXPECT_EQ(Read(record.Text()), nullptr);
    record.lineCount = "many";
    EXPECT_EQ(Read(record.Text()), nullptr);
    EXPECT_EQ(Read("3\r\nTitle\r\n0\r\n0\r\n0 0\r\n"), nullptr);

    // Numbers missing after the content leave their defaults.
    std::unique_ptr<NoteData> note = Read("3\r\nTitle\r\n0\r\n0\r\n0 0\r\n1\r\nonly\r\n");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"only");
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 50, 50}));
    EXPECT_EQ(note->GetAlpha(), NoteData::kLoadingAlpha);
    EXPECT_TRUE(note->GetFont().IsDefault());
}

class ResolutionEngine : public FontEngine {
public:
    class Fonts : public DrawingFonts {
    public:
        int GetHeight() const override { return 1; }
    };
    std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
        return font.GetFace() == u"Nowhere" ? nullptr : std::make_unique<Fonts>();
    }
    double GetScreenResolution() const override { return 120.0; }
};

TEST(NoteRecordV3Test, FontSizeFollowsTheScreenResolution) {
    ResolutionEngine engine;
    RegisterFontEngine(&engine);
    RecordText record;
    record.font = "Verdana\n21 0 1";
    std::unique_ptr<NoteData> note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetFont(), FontData(u"Verdana", 13, false, true));

    record.font = "Nowhere\n21 1 1";
    note = Read(record.Text());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetFont(), FontData());
    RegisterFontEngine(nullptr);
}

}  // namespace
}  // namespace vesk
