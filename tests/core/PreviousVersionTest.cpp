#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "import/NarrowStream.h"
#include "import/NoteRecordV3.h"
#include "import/SettingsV3Reader.h"
#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleCodec.h"
#include "notes/ScribbleNoteData.h"

namespace vesk {
namespace {

using test::PreviousRecord;

// One read of the text per letter (i int32, u uint32, s uint16, f flag, r real,
// b byte, l line, n rest of line skipped), each giving its value or "fail".
template <typename Value>
std::string ReadOne(NarrowStream& in, bool (NarrowStream::*read)(Value&)) {
    Value value{};
    if (!(in.*read)(value)) return "fail";
    if constexpr (std::is_same_v<Value, std::string>) {
        return value;
    } else {
        std::ostringstream text;
        text << +value;
        return text.str();
    }
}

std::vector<std::string> Reads(const std::string& text, std::string_view letters) {
    std::istringstream stream(text);
    NarrowStream in(stream);
    std::vector<std::string> values;
    for (const char letter : letters) {
        values.push_back(letter == 'i'         ? ReadOne(in, &NarrowStream::ReadInt32)
                         : letter == 'u'       ? ReadOne(in, &NarrowStream::ReadUInt32)
                         : letter == 's'       ? ReadOne(in, &NarrowStream::ReadUInt16)
                         : letter == 'f'       ? ReadOne(in, &NarrowStream::ReadFlag)
                         : letter == 'r'       ? ReadOne(in, &NarrowStream::ReadReal)
                         : letter == 'b'       ? ReadOne(in, &NarrowStream::ReadByte)
                         : letter == 'l'       ? ReadOne(in, &NarrowStream::ReadLine)
                         : in.SkipRestOfLine() ? ""
                                               : "fail");
    }
    return values;
}

using Values = std::vector<std::string>;

TEST(NarrowStreamTest, NumbersWrapWhenUnsignedAndFailOutOfRange) {
    // A failed stream stays failed.
    EXPECT_EQ(Reads(" -1\n-1 -65535 +12abc 7", "ussiif"),
              (Values{"4294967295", "65535", "1", "12", "fail", "fail"}));
    EXPECT_EQ(Reads("-2147483648 7 +3e0 -2.5", "ifrr"), (Values{"-2147483648", "1", "3", "-2.5"}));
    EXPECT_EQ(Reads("2147483648", "i"), Values{"fail"});
    for (const char* bad : {"-", "+ 1", "1234567890123456789012345678901234567890"}) {
        EXPECT_EQ(Reads(bad, "u"), Values{"fail"}) << bad;
    }
    for (const char* bad : {"\xff\xfe<", ".", "e3", "1e"}) {
        EXPECT_EQ(Reads(bad, "r"), Values{"fail"}) << bad;
    }
}

TEST(NarrowStreamTest, BytesLinesAndCarriageReturns) {
    EXPECT_EQ(Reads("12 \n\xc8\r\n line one\r\nline\rtwo\r\r\nlast", "inblllll"),
              (Values{"12", "", "200", "", " line one", "line\rtwo\r", "last", "fail"}));
    // A byte is taken as it stands, digits included.
    EXPECT_EQ(Reads("  7", "bn"), (Values{"55", "fail"}));
}

// The two numbers of a Windows file time for a calendar date and time.
std::string FileTime(int year, unsigned month, unsigned day, int secondOfDay) {
    using namespace std::chrono;
    const auto days = sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(days + 134774) * 86400 + secondOfDay) * 10'000'000;
    return std::to_string(ticks >> 32) + " " + std::to_string(ticks & 0xffffffff);
}

std::unique_ptr<NoteData> Read(const PreviousRecord& record, int titleBarHeight = 24) {
    std::istringstream stream(test::PreviousNoteFile(record));
    NarrowStream in(stream);
    double version = 0;
    EXPECT_TRUE(in.ReadReal(version));
    return ReadNoteRecordV3(in, titleBarHeight);
}

// The record as its kind; a missing record or another kind fails the test.
template <typename Kind>
const Kind& As(const std::unique_ptr<NoteData>& note) {
    if (note == nullptr) throw std::runtime_error("no record read");
    return dynamic_cast<const Kind&>(*note);
}

TEST(NoteRecordV3Test, MessageWithEveryField) {
    test::ScopedTimeZone timeZone("EST5EDT,M3.2.0,M11.1.0");
    std::unique_ptr<NoteData> note = Read({.title = "Caf\xe9 \x80",
                                           .alarm = FileTime(2007, 7, 1, 30600) + " 2C:\\ring.wav",
                                           .created = FileTime(2007, 1, 27, 2493),
                                           .lines = {"first\r", "second", "third\r"},
                                           .rect = "100 200 130 2000",
                                           .flags = "1 1 1 1",
                                           .alpha = "\x05",
                                           .font = "Times New Roman\n-32 1 1"});
    EXPECT_EQ(As<MessageNoteData>(note).GetText(), u"first\nsecond\nthird\r");
    EXPECT_EQ(note->GetTitle(), u"Caf\u00e9 \u20ac");
    EXPECT_EQ(*note->GetAlarm(),
              (AlarmData{TextToTime(u"2007-07-01 08:30:00"), 2, u"C:\\ring.wav"}));
    EXPECT_EQ(note->GetCreationTime(), TextToTime(u"2007-01-27 00:41:33"));
    EXPECT_EQ(note->GetRect(), (Rect{100, 200, 150, 1700}));
    EXPECT_EQ(std::tuple(note->GetState(), note->GetAlignment(), note->GetStayOnTop(),
                         note->IsShaded(), note->GetAlpha()),
              std::tuple(NoteData::kStateHidden, NoteData::kAlignCenter, 1, true, 10));
    EXPECT_EQ(note->GetStyle(), (StyleData{u"", 0, RGB(255, 242, 0), RGB(255, 255, 128),
                                           RGB(10, 20, 30), RGB(1, 2, 3)}));
    EXPECT_EQ(note->GetFont(), FontData(u"Times New Roman", -24, true, true));
}

TEST(NoteRecordV3Test, AlarmAndTimeForms) {
    test::ScopedTimeZone timeZone("UTC0");
    // A repeat value above 2 ends the alarm after its time; the next numbers
    // are the creation time.
    PreviousRecord record{.alarm = FileTime(2008, 2, 29, 86399) + " 7",
                          .created = FileTime(2007, 1, 27, 2493)};
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
    // Every line end closes an item, and the last character only closes one.
    EXPECT_EQ(As<ChecklistNoteData>(Read({.kind = "2", .lines = {"a", "", "*^", "^*b", "cd"}}))
                  .GetItems(),
              (std::vector<ChecklistItem>{
                  {false, u"a"}, {false, u""}, {true, u""}, {false, u"^*b"}, {false, u"c"}}));
}

TEST(NoteRecordV3Test, ScribbleRunsAndCanvas) {
    // Clear 10, ink 5, clear across two rows, ink 3 on the third row, clear.
    PreviousRecord record{.kind = "1",
                          .rect = "0 0 300 200",
                          .drawing = std::string("\x00", 1) + " 10 5 485 3 61997"};
    std::unique_ptr<NoteData> note = Read(record);
    const Bitmap* image = As<ScribbleNoteData>(note).GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 280);
    EXPECT_EQ(image->GetHeight(), 200 - 24 - 20);
    const std::uint32_t ink = ArgbFromColor(RGB(10, 20, 30), 0xff);
    EXPECT_EQ(image->GetPixel(10, 0), ink);
    EXPECT_EQ(image->GetPixel(2, 2), ink);
    EXPECT_EQ(EncodeAlphaRuns(*image), u" a00 5ff 22100 3ff a86d00");

    // A run longer than what is left covers the rest.
    record.drawing = "\x01 4294967295";
    note = Read(record);
    image = As<ScribbleNoteData>(note).GetImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetPixel(249, 155), ink);
    EXPECT_EQ(image->GetPixel(250, 0), 0u);
    // A title bar that leaves no canvas keeps the note without a drawing.
    EXPECT_EQ(As<ScribbleNoteData>(Read(record, 180)).GetImage(), nullptr);

    // A zero run, or runs past the canvas or broken, end the record.
    for (const char* runs : {"\x01 10 0 62490", "\x01 10 20 30", "\x01 10 x"}) {
        record.drawing = runs;
        EXPECT_EQ(Read(record), nullptr) << runs;
    }
}

TEST(NoteRecordV3Test, KindsClampsAndEarlyEnds) {
    PreviousRecord record{
        .kind = "5", .lines = {"ignored"}, .rect = "0 0 5000 10", .flags = "-1 7 2 0"};
    std::unique_ptr<NoteData> note = Read(record);
    EXPECT_TRUE(As<PictureNoteData>(note).GetSource().empty());
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 1500, 50}));
    EXPECT_EQ(note->GetState(), -1);
    EXPECT_EQ(note->GetAlignment(), 7);

    record.kind = "0";
    record.rect = "2147483600 -2147483648 -2147483648 2147483647";
    note = Read(record);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(std::pair(note->GetRect().Width(), note->GetRect().Height()), std::pair(50, 50));

    for (const char* kind : {"3", "-1", "4294967296", "x"}) {
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
    note = ReadNoteRecordV3(in, 24);
    EXPECT_EQ(As<MessageNoteData>(note).GetText(), u"only");
    EXPECT_EQ(note->GetRect(), (Rect{0, 0, 50, 50}));
    EXPECT_EQ(note->GetAlpha(), NoteData::kLoadingAlpha);
    EXPECT_TRUE(note->GetFont().IsDefault());
}

TEST(NoteRecordV3Test, FontSizeFollowsTheScreenResolution) {
    test::FakeFontEngine engine(120.0);
    EXPECT_EQ(Read({.font = "Verdana\n21 0 1"})->GetFont(), FontData(u"Verdana", 13, false, true));
    EXPECT_EQ(Read({.font = "Nowhere\n21 1 1"})->GetFont(), FontData());
}

class SettingsV3ReaderTest : public ::testing::Test {
protected:
    void Load(const std::string& text) {
        test::WriteBytes(dir_ / "settings.dat", text);
        ASSERT_TRUE(LoadSettingsV3(settings_, dir_ / "settings.dat"));
    }

    test::TempDir dir_;
    SettingsData settings_;
};

TEST_F(SettingsV3ReaderTest, ReadsEveryValue) {
    for (const std::string& text :
         {test::kPreviousSettings, test::WindowsLines(test::kPreviousSettings)}) {
        settings_ = SettingsData();
        Load(text);
        ASSERT_EQ(settings_.ThemeCount(), 2u);
        EXPECT_EQ(settings_.GetTheme(0).FindStyle(0), StyleData::Fallback());
        const ThemeData second = settings_.GetTheme(1);
        EXPECT_EQ(second.GetName(), u"Caf\u00e9 Colours");
        ASSERT_EQ(second.GetStyles().size(), 2u);
        EXPECT_EQ(second.FindStyle(1), (StyleData{u"", 1, RGB(10, 20, 30), RGB(40, 50, 60),
                                                  RGB(70, 80, 90), RGB(100, 110, 120)}));
        EXPECT_EQ(
            std::tuple(settings_.GetSelectedThemeId(), settings_.GetAlpha(),
                       settings_.GetSolidOnSelect(), settings_.GetAutoSave(),
                       settings_.GetSoundEnabled(), settings_.GetAnimatedCrumple(),
                       settings_.GetNoteShadow(), settings_.GetTray(), settings_.GetEmptyWaste()),
            std::tuple(1, 100, false, false, false, false, true, TrayAction::ToggleShow,
                       EmptyWastePolicy::Never));
        // Pixels become points at 96 dots per inch.
        EXPECT_EQ(settings_.GetContentFont(), FontData(u"Courier New", 18, true, false));
        EXPECT_EQ(settings_.GetTitleFont(), FontData(u"Tahoma", 12, false, true));
        EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{65, 6, true, u"shownotes"}));
        EXPECT_EQ(settings_.GetNewNoteHotKey(), (HotKeyData{78, 32, false, u"newnote"}));
    }
}

TEST_F(SettingsV3ReaderTest, ReplacesTheThemesButNotTheirCounterAndStopsAtTheEnd) {
    settings_.AddTheme();
    settings_.AddTheme();
    Load("1\n0\nOnly\n");
    ASSERT_EQ(settings_.ThemeCount(), 1u);
    EXPECT_EQ(settings_.GetTheme(2).GetName(), u"Only");
    EXPECT_TRUE(settings_.GetTheme(2).GetStyles().empty());

    // Huge counts stop at the end of the file.
    Load("2147483647\n2147483647\n1 2 3\n");
    ASSERT_EQ(settings_.ThemeCount(), 1u);
    EXPECT_TRUE(settings_.GetThemes().begin()->second.GetStyles().empty());
    Load("not a number");
    EXPECT_EQ(settings_.ThemeCount(), 0u);
}

TEST_F(SettingsV3ReaderTest, FileEndingEarlyKeepsTheRest) {
    settings_.SetTray(TrayAction::BringToFront);
    settings_.SetContentFont(FontData(u"Verdana", 10, false, false));
    // Cut inside the switches.
    Load("0\n0\nx 0 1 ");
    EXPECT_EQ(settings_.ThemeCount(), 0u);
    EXPECT_EQ(settings_.GetAlpha(), 'x');
    EXPECT_FALSE(settings_.GetSolidOnSelect());
    EXPECT_TRUE(settings_.GetAutoSave());
    EXPECT_EQ(settings_.GetTray(), TrayAction::BringToFront);
    EXPECT_EQ(settings_.GetContentFont(), FontData(u"Verdana", 10, false, false));
    EXPECT_EQ(settings_.GetShowNotesHotKey(), (HotKeyData{0, 0, false, u"shownotes"}));
}

TEST_F(SettingsV3ReaderTest, MissingFileGivesThePreviousDefaults) {
    // Earlier themes have used up id 0; the selection follows the new theme.
    settings_.AddTheme();
    settings_.SetSolidOnSelect(false);
    ASSERT_TRUE(LoadSettingsV3(settings_, dir_ / "missing.dat"));

    ASSERT_EQ(settings_.ThemeCount(), 1u);
    const auto& [id, theme] = *settings_.GetThemes().begin();
    EXPECT_EQ(settings_.GetSelectedThemeId(), id);
    EXPECT_EQ(theme.FindStyle(0), StyleData::Fallback());
    EXPECT_TRUE(settings_.GetSolidOnSelect());
}

}  // namespace
}  // namespace vesk
