#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "NoteTestSupport.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/NoteFactory.h"
#include "notes/NoteFile.h"

namespace vesk {
namespace {

using test::Xml;

// One note of each kind, using every stored property away from its default.
std::vector<std::unique_ptr<NoteData>> MakeOneOfEachKind() {
    std::vector<std::unique_ptr<NoteData>> notes;
    auto message = std::make_unique<MessageNoteData>();
    message->SetText(u"first line\nsecond line");
    message->SetAlignment(NoteData::kAlignCenter);
    notes.push_back(std::move(message));
    auto checklist = std::make_unique<ChecklistNoteData>();
    checklist->AddItem(u"Milk", true);
    checklist->AddItem(u"", false);
    notes.push_back(std::move(checklist));
    auto scribble = std::make_unique<ScribbleNoteData>();
    scribble->SetImage(nullptr, 30, 20);
    for (int i = 0; i < 20; ++i) {
        const auto image = scribble->EditImage();
        image->SetPixel(i, i, ArgbFromColor(RGB(10, 20, 30), 255));
        image->SetPixel(i + 1, i, ArgbFromColor(0, static_cast<std::uint8_t>(i)));
    }
    notes.push_back(std::move(scribble));
    auto picture = std::make_unique<PictureNoteData>();
    picture->SetSource(u"/no/such/folder/cat.jpg");
    picture->SetMaintainRatio(false);
    notes.push_back(std::move(picture));
    for (std::int32_t i = 0; i < 4; ++i) {
        NoteData* note = notes[i].get();
        note->SetTitle(u"Groceries <&> ]]> \u00e9\u4e2d");
        note->SetRect(Rect{-120, 80, 180, 330});
        note->SetAlpha(180);
        note->SetState(NoteData::kStateHidden);
        note->SetShaded(true);
        note->SetShowTitle(false);
        note->SetStayOnTop(1);
        note->SetFont(FontData(u"Comic Sans MS", 14, true, true));
        note->SetStyle(
            {u"Sunny", 0, RGB(255, 242, 0), RGB(255, 255, 128), RGB(10, 20, 30), RGB(1, 2, 3)});
        note->EnableAlarm(true);
        *note->GetAlarm() = {TextToTime(u"2007-02-01 08:30:00"), i % 3, u"/home/me/ring.wav"};
        note->SetCreationTime(TextToTime(u"2007-01-27 00:41:33"));
        note->SetLastModified(TextToTime(u"2007-03-04 05:06:07"));
    }
    return notes;
}

TEST(NoteDataTest, EveryKindRoundTripsThroughItsFile) {
    test::ScopedTimeZone timeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    test::TempDir folder;
    for (const auto& note : MakeOneOfEachKind()) {
        SCOPED_TRACE(WideToUtf8(note->GetTypeName()));
        ASSERT_TRUE(note->SaveToFile(folder / "note.vesknote"));
        std::unique_ptr<NoteData> loaded = LoadNoteFile(folder / "note.vesknote", false, 24);
        ASSERT_NE(loaded, nullptr);
        test::ExpectSameNote(*note, *loaded);
    }
}

TEST(NoteDataTest, EachReaderComparesWithItsOneLiteral) {
    for (const std::u16string text : {u"TRUE", u"True", u"1", u"FALSE", u"Center", u""}) {
        const std::u16string is = u"=\"" + text + u"\"";
        MessageNoteData note;
        note.SetAlignment(NoteData::kAlignCenter);
        note.SetStayOnTop(1);
        note.LoadFromElement(Xml(u"<vesknote><appearence hidden" + is + u" shaded" + is +
                                 u" showtitle" + is + u"><font bold" + is + u" italics" + is +
                                 u"/></appearence><behavior stayontop" + is +
                                 u"/><content><message align" + is + u"/></content></vesknote>"));
        EXPECT_EQ(note.GetState(), NoteData::kStateShown);
        EXPECT_FALSE(note.IsShaded());
        EXPECT_TRUE(note.GetShowTitle());
        EXPECT_EQ(note.GetStayOnTop(), 0);
        EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);
        EXPECT_EQ(note.GetFont(), FontData(u"", 0, false, false));
    }
}

TEST(NoteDataTest, DesktopAlphaAndMissingParts) {
    const auto rect = [](std::u16string_view body) {
        MessageNoteData note;
        note.LoadFromElement(Xml(u"<vesknote>" + std::u16string(body) + u"</vesknote>"));
        return note.GetRect();
    };
    EXPECT_EQ(rect(u"<desktop><position x=\"5\" y=\"7\"/></desktop>"), (Rect{5, 7, 15, 17}));
    EXPECT_EQ(rect(u"<desktop><size width=\"300\"/><size width=\"400\" height=\"60\"/></desktop>"),
              (Rect{0, 0, 400, 60}))
        << "the last of repeated children wins";
    // A size read is held to the sizes a note can take; far-out coordinates
    // wrap as 32-bit values instead of overflowing.
    EXPECT_EQ(rect(u"<desktop><size width=\"1000000\" height=\"-5\"/></desktop>"),
              (Rect{0, 0, 1500, 50}));
    EXPECT_EQ(rect(u"<desktop><position x=\"2147483647\"/><size width=\"99999999999\"/></desktop>")
                  .Width(),
              1500);

    // Alpha keeps eight bits and is raised to a tenth.
    for (const auto& [text, alpha] : std::initializer_list<std::pair<std::u16string, int>>{
             {u"26", 26}, {u"25", 25}, {u"3", 25}, {u"256", 25}, {u"511", 255}, {u"", 25}}) {
        ScribbleNoteData note;
        note.LoadFromElement(Xml(u"<vesknote><appearence alpha=\"" + text + u"\"/></vesknote>"));
        EXPECT_EQ(note.GetAlpha(), alpha) << WideToUtf8(text);
    }

    // A font that cannot be made falls back to Arial 12.
    test::FakeFontEngine engine;
    PictureNoteData note;
    note.SetCreationTime(1000);
    note.SetTitle(u"kept");
    note.LoadFromElement(
        Xml(u"<vesknote lastmodified=\"2007-01-27\"><appearence><font face=\"Nowhere\" "
            u"size=\"30\"/></appearence><behavior><alarm repeat=\"once\"/><alarm "
            u"repeat=\"loop\"/></behavior><extra><title>ignored</title></extra></vesknote>"));
    EXPECT_EQ(std::tuple(note.GetCreationTime(), note.GetLastModified(), note.GetTitle(),
                         note.GetFont(), note.GetFont().GetHeight()),
              std::tuple(1000, 0, u"kept", FontData::Fallback(), 14));
    ASSERT_NE(note.GetAlarm(), nullptr);
    EXPECT_EQ(note.GetAlarm()->repeat, AlarmData::kRepeatOnce);
}

TEST(NoteDataTest, CopyFromPutsBackWhatAnEditChanges) {
    const auto sources = MakeOneOfEachKind();
    const NoteData& source = *sources[0];
    MessageNoteData target;
    target.SetTitle(u"mine");
    target.CopyFrom(source);
    ASSERT_NE(target.GetAlarm(), nullptr);
    EXPECT_EQ(std::tuple(target.GetText(), target.GetAlpha(), target.GetStyle(), target.GetFont(),
                         target.GetAlignment(), *target.GetAlarm()),
              std::tuple(u"first line\nsecond line", source.GetAlpha(), source.GetStyle(),
                         source.GetFont(), NoteData::kAlignCenter, *source.GetAlarm()));
    EXPECT_EQ(std::tuple(target.GetTitle(), target.GetRect(), target.GetState()),
              std::tuple(u"mine", Rect{}, NoteData::kStateShown));

    // From a note without an alarm, ours goes; another kind leaves the text.
    target.CopyFrom(ChecklistNoteData());
    EXPECT_EQ(target.GetAlarm(), nullptr);
    EXPECT_EQ(target.GetText(), u"first line\nsecond line");
    target.EnableAlarm(true);
    target.GetAlarm()->repeat = AlarmData::kRepeatOnce;
    target.EnableAlarm(true);
    EXPECT_EQ(target.GetAlarm()->repeat, AlarmData::kRepeatOnce);

    // Clear Contents and then Cancel Editing loses nothing of any kind.
    auto originals = MakeOneOfEachKind();
    auto& checklist = dynamic_cast<ChecklistNoteData&>(*originals[1]);
    auto& scribble = dynamic_cast<ScribbleNoteData&>(*originals[2]);
    const auto items = checklist.GetItems();
    const std::u16string drawing = scribble.EncodeImage();
    ChecklistNoteData checklistBackup;
    ScribbleNoteData scribbleBackup;
    checklistBackup.CopyFrom(checklist);
    scribbleBackup.CopyFrom(scribble);
    checklist.ClearItems();
    scribble.ClearImage();
    checklist.CopyFrom(checklistBackup);
    scribble.CopyFrom(scribbleBackup);
    EXPECT_EQ(checklist.GetItems(), items);
    EXPECT_EQ(scribble.EncodeImage(), drawing);
    {
        const auto edit = scribble.EditImage();
        edit->SetPixel(29, 19, 0xff000000);
    }
    EXPECT_NE(scribbleBackup.EncodeImage(), scribble.EncodeImage()) << "a copy, not a share";
}

// The edit form of the text is the message window's test.
TEST(MessageNoteTest, TextLimitAndContent) {
    MessageNoteData note;
    note.SetText(std::u16string(70000, u'y'));
    EXPECT_EQ(note.GetText(), std::u16string(65535, u'y'));

    // The last message child wins; none leaves the text alone.
    note.LoadContent(
        Xml(u"<content><message align=\"center\">first</message>"
            u"<message>second</message></content>"));
    EXPECT_EQ(note.GetText(), u"second");
    EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);
    note.LoadContent(Xml(u"<content/>"));
    EXPECT_EQ(note.GetText(), u"second");
}

TEST(ChecklistNoteTest, ItemsPlainTextToggleAndContent) {
    ChecklistNoteData note;
    note.AddItem(u"Milk", true);
    note.AddItem(u"Bread", false);
    note.ToggleItem(1);
    note.ToggleItem(2);
    EXPECT_EQ(note.GetPlainText(), u"*Milk\n*Bread\n");

    // Only item children count, in the order they were written.
    note.LoadContent(
        Xml(u"<content><checklist><item>b</item><aside>skipped</aside>"
            u"<item checked=\"true\">a</item><item checked=\"TRUE\"/>"
            u"</checklist></content>"));
    EXPECT_EQ(note.GetItems(),
              (std::vector<ChecklistItem>{{false, u"b"}, {true, u"a"}, {false, u""}}));
}

class NoteFileTest : public testing::Test {
protected:
    std::unique_ptr<NoteData> Load(const std::string& bytes, bool skipXml = false) {
        test::WriteBytes(folder_ / "note.vesknote", bytes);
        return LoadNoteFile(folder_ / "note.vesknote", skipXml, 24);
    }
    std::unique_ptr<NoteData> LoadXml(std::u16string_view xml, bool skipXml = false) {
        return Load(test::Utf16XmlFile(xml), skipXml);
    }

    test::TempDir folder_;
};

TEST_F(NoteFileTest, OnlyAVesknoteRootOfAKnownTypeLoadsAndCraftedFilesLoadSafely) {
    for (const char16_t* xml :
         {u"<note type=\"message\"/>", u"<vesknote type=\"Message\"/>", u"<vesknote/>"}) {
        EXPECT_EQ(LoadXml(xml), nullptr);
    }
    EXPECT_EQ(LoadXml(u"<vesknote type=\"message\"/>", true), nullptr) << "not a previous note";
    EXPECT_EQ(LoadNoteFile(folder_ / "missing.vesknote", false, 24), nullptr);
    EXPECT_EQ(LoadNoteFile(folder_.Path(), false, 24), nullptr);

    // A drawing too large to hold in memory is dropped; the note stays.
    auto note = LoadXml(
        u"<vesknote type=\"scribble\"><content><image width=\"2147483647\" height=\"2147483647\">"
        u"<imagedata><![CDATA[ 7fffffff00]]></imagedata></image></content>"
        u"<title><![CDATA[big]]></title></vesknote>");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetTitle(), u"big");
    EXPECT_EQ(dynamic_cast<ScribbleNoteData&>(*note).GetImage(), nullptr);

    // Broken XML that is not a previous-version file either.
    EXPECT_EQ(LoadXml(u"<vesknote type=\"message\"><content>"), nullptr);
    for (const std::string& bytes :
         {std::string(1 << 16, '\0'), std::string("3"), std::string("3\n\n1\n0\n0 0\n4294967295\n"),
          std::string("3\n\n1\n1\n0 0 65535 -1\n0\n0 0 300 300\n0 0 0 0 \x01\n"
                      "0 0 0 0 0 0 0 0 0 0 0 0\nArial\n16 0 0\n\x01 5 5 5")}) {
        EXPECT_EQ(Load(bytes), nullptr) << bytes.size();
    }
}

TEST_F(NoteFileTest, PreviousVersionFilesAreReadWhenTheXmlStepDoesNotApply) {
    for (const char* version : {"3", "3.0", " 3.00"}) {
        for (bool skipXml : {false, true}) {
            auto note = Load(test::PreviousNoteFile({}, version), skipXml);
            ASSERT_NE(note, nullptr) << version;
            EXPECT_EQ(note->GetTitle(), u"Old note");
            EXPECT_EQ(dynamic_cast<MessageNoteData&>(*note).GetText(), u"hello");
        }
    }
    for (const char* version : {"4", "2.99", "-1", "x3", ""}) {
        EXPECT_EQ(Load(test::PreviousNoteFile({}, version)), nullptr) << version;
    }
}

}  // namespace
}  // namespace vesk
