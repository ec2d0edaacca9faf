#include <gtest/gtest.h>

#include <memory>

#include "NoteTestSupport.h"
#include "TestSupport.h"
#include "notes/NoteFactory.h"
#include "notes/NoteFile.h"
#include "settings/FontEngine.h"
#include "xml/XMLElement.h"

namespace vesk {
namespace {

constexpr int kTitleBarHeight = 24;

// A note using every stored property away from its default.
void Decorate(NoteData& note) {
    note.SetTitle(u"Groceries <&> ]]> \u00e9\u4e2d");
    note.SetRect(Rect{-120, 80, 180, 330});
    note.SetAlpha(180);
    note.SetState(NoteData::kStateHidden);
    note.SetShaded(true);
    note.SetShowTitle(false);
    note.SetStayOnTop(1);
    note.SetFont(FontData(u"Comic Sans MS", 14, true, true));
    StyleData style;
    style.name = u"Sunny";
    style.SetColors(RGB(255, 242, 0), RGB(255, 255, 128), RGB(10, 20, 30), RGB(1, 2, 3));
    note.SetStyle(style);
    note.EnableAlarm(true);
    note.GetAlarm()->time = TextToTime(u"2007-02-01 08:30:00");
    note.GetAlarm()->repeat = AlarmData::kRepeatLoop;
    note.GetAlarm()->soundfile = u"/home/me/ring.wav";
    note.SetCreationTime(TextToTime(u"2007-01-27 00:41:33"));
    note.SetLastModified(TextToTime(u"2007-03-04 05:06:07"));
}

std::vector<std::unique_ptr<NoteData>> MakeOneOfEachKind() {
    std::vector<std::unique_ptr<NoteData>> notes;

    auto message = std::make_unique<MessageNoteData>();
    Decorate(*message);
    message->SetText(u"first line\nsecond line");
    message->SetAlignment(NoteData::kAlignCenter);
    notes.push_back(std::move(message));

    auto checklist = std::make_unique<ChecklistNoteData>();
    Decorate(*checklist);
    checklist->AddItem(u"Milk", true);
    checklist->AddItem(u"", false);
    checklist->AddItem(u"Bread", false);
    notes.push_back(std::move(checklist));

    auto scribble = std::make_unique<ScribbleNoteData>();
    Decorate(*scribble);
    scribble->SetImage(nullptr, 30, 20);
    for (int i = 0; i < 20; ++i) {
        const COLORREF ink = scribble->GetStyle().textcolor;
        scribble->GetImage()->SetPixel(i, i, ArgbFromColor(ink, 255));
        scribble->GetImage()->SetPixel(i + 1, i, ArgbFromColor(ink, static_cast<std::uint8_t>(i)));
    }
    notes.push_back(std::move(scribble));

    auto picture = std::make_unique<PictureNoteData>();
    Decorate(*picture);
    picture->SetSource(u"/no/such/folder/cat.jpg");
    picture->SetMaintainRatio(false);
    notes.push_back(std::move(picture));
    return notes;
}

TEST(NoteDataTest, EveryKindRoundTripsThroughItsElementAndFile) {
    test::ScopedTimeZone timeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    test::TempDir folder;
    for (const auto& note : MakeOneOfEachKind()) {
        SCOPED_TRACE(WideToUtf8(note->GetTypeName()));
        XMLElement section(u"active");
        ASSERT_TRUE(note->SaveToElement(section, false));
        const XMLElement* element = section.FindChild(u"vesknote");
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->GetAttribute(u"type"), note->GetTypeName());
        std::unique_ptr<NoteData> read = CreateNoteDataByType(element->GetAttribute(u"type"));
        ASSERT_NE(read, nullptr);
        EXPECT_TRUE(read->LoadFromElement(*element));
        test::ExpectSameNote(*note, *read);

        const auto path = folder / "note.vesknote";
        ASSERT_TRUE(note->SaveToFile(path));
        EXPECT_EQ(test::ReadBytes(path).substr(0, 2), "\xff\xfe");
        std::unique_ptr<NoteData> loaded = LoadNoteFile(path, false, kTitleBarHeight);
        ASSERT_NE(loaded, nullptr);
        test::ExpectSameNote(*note, *loaded);
    }
}

TEST(NoteDataTest, ElementLayout) {
    test::ScopedTimeZone timeZone("UTC0");
    MessageNoteData note;
    note.SetRect(Rect{120, 80, 320, 280});
    note.SetText(u"Buy milk");
    XMLElement section(u"active");
    note.SaveToElement(section, false);
    const XMLElement& element = *section.FindChild(u"vesknote");
    std::vector<std::u16string> names;
    for (const auto& [name, child] : element.Children()) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"appearence", u"behavior", u"content",
                                                  u"desktop", u"title"}));
    const XMLElement& appearance = *element.FindChild(u"appearence");
    EXPECT_EQ(appearance.Attributes().size(), 1u);
    EXPECT_EQ(appearance.GetAttribute(u"alpha"), u"200");
    EXPECT_EQ(element.FindChild(u"behavior")->Attributes().size(), 0u);
    EXPECT_EQ(element.FindChild(u"behavior")->FindChild(u"alarm"), nullptr);
    EXPECT_TRUE(element.FindChild(u"title")->IsCdata());
    const XMLElement& size = *element.FindChild(u"desktop")->FindChild(u"size");
    EXPECT_TRUE(size.IsSelfClosing());
    EXPECT_EQ(size.GetAttribute(u"width"), u"200");
    EXPECT_EQ(size.GetAttribute(u"height"), u"200");
    const XMLElement& message = *element.FindChild(u"content")->FindChild(u"message");
    EXPECT_TRUE(message.IsCdata());
    EXPECT_EQ(message.Attributes().size(), 0u);

    // A note in the wastebasket is not written as hidden: its section says where it is.
    note.SetState(NoteData::kStateWastebasket);
    XMLElement wastebasket(u"wastebasket");
    note.SaveToElement(wastebasket, false);
    MessageNoteData read;
    read.LoadFromElement(*wastebasket.FindChild(u"vesknote"));
    EXPECT_EQ(read.GetState(), NoteData::kStateShown);
}

TEST(NoteDataTest, EachReaderComparesWithItsOneLiteral) {
    for (const char16_t* text : {u"TRUE", u"True", u"1", u"FALSE", u"Center", u""}) {
        XMLElement element(u"vesknote");
        XMLElement& appearance = element.AddChild(u"appearence");
        appearance.SetAttribute(u"hidden", text);
        appearance.SetAttribute(u"shaded", text);
        appearance.SetAttribute(u"showtitle", text);
        element.AddChild(u"behavior").SetAttribute(u"stayontop", text);
        XMLElement& content = element.AddChild(u"content");
        content.AddChild(u"message", false, true).SetAttribute(u"align", text);
        MessageNoteData note;
        note.SetAlignment(NoteData::kAlignCenter);
        note.SetState(NoteData::kStateHidden);
        note.SetStayOnTop(1);
        note.LoadFromElement(element);
        EXPECT_EQ(note.GetState(), NoteData::kStateShown);
        EXPECT_FALSE(note.IsShaded());
        EXPECT_TRUE(note.GetShowTitle());
        EXPECT_EQ(note.GetStayOnTop(), 0);
        EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);

        XMLElement listContent(u"content");
        XMLElement& list = listContent.AddChild(u"checklist");
        list.AddChild(u"item", false, true).SetAttribute(u"checked", text);
        ChecklistNoteData checklist;
        checklist.LoadContent(listContent);
        ASSERT_EQ(checklist.GetItems().size(), 1u);
        EXPECT_FALSE(checklist.GetItems()[0].checked);

        XMLElement pictureContent(u"content");
        pictureContent.AddChild(u"image").SetAttribute(u"maintainratio", text);
        PictureNoteData picture;
        picture.LoadContent(pictureContent);
        EXPECT_FALSE(picture.GetMaintainRatio());
    }
}

TEST(NoteDataTest, DesktopDefaults) {
    auto load = [](const XMLElement& element) {
        MessageNoteData note;
        note.LoadFromElement(element);
        return note.GetRect();
    };
    XMLElement positionOnly(u"vesknote");
    XMLElement& position = positionOnly.AddChild(u"desktop").AddChild(u"position", true);
    position.SetAttribute(u"x", u"5");
    position.SetAttribute(u"y", u"7");
    EXPECT_EQ(load(positionOnly), (Rect{5, 7, 15, 17}));

    XMLElement emptyDesktop(u"vesknote");
    emptyDesktop.AddChild(u"desktop");
    EXPECT_EQ(load(emptyDesktop), (Rect{0, 0, 10, 10}));

    XMLElement noDesktop(u"vesknote");
    EXPECT_EQ(load(noDesktop), Rect{});

    // Repeated children are read again: the last one wins.
    XMLElement repeated(u"vesknote");
    XMLElement& desktop = repeated.AddChild(u"desktop");
    desktop.AddChild(u"size", true).SetAttribute(u"width", u"300");
    XMLElement& second = desktop.AddChild(u"size", true);
    second.SetAttribute(u"width", u"40");
    second.SetAttribute(u"height", u"60");
    EXPECT_EQ(load(repeated), (Rect{0, 0, 40, 60}));

    // Coordinates far out wrap as 32-bit values instead of overflowing.
    XMLElement far(u"vesknote");
    XMLElement& farDesktop = far.AddChild(u"desktop");
    farDesktop.AddChild(u"position", true).SetAttribute(u"x", u"2147483647");
    farDesktop.AddChild(u"size", true).SetAttribute(u"width", u"99999999999");
    const Rect rect = load(far);
    EXPECT_EQ(rect.left, 2147483647);
    EXPECT_EQ(rect.Width(), 2147483647);
}

TEST(NoteDataTest, AlphaIsKeptToEightBitsAndRaisedToATenth) {
    struct Case {
        const char16_t* text;
        int alpha;
    };
    for (const Case& c : {Case{u"200", 200}, Case{u"26", 26}, Case{u"25", 25}, Case{u"3", 25},
                          Case{u"256", 25}, Case{u"511", 255}, Case{u"-1", 255}, Case{u"", 25}}) {
        XMLElement element(u"vesknote");
        element.AddChild(u"appearence").SetAttribute(u"alpha", c.text);
        ScribbleNoteData note;
        note.LoadFromElement(element);
        EXPECT_EQ(note.GetAlpha(), c.alpha) << WideToUtf8(c.text);
    }
}

TEST(NoteDataTest, MissingPartsKeepTheirValues) {
    test::ScopedTimeZone timeZone("UTC0");
    PictureNoteData note;
    note.SetCreationTime(1000);
    note.SetLastModified(2000);
    note.SetTitle(u"kept");
    note.EnableAlarm(true);
    XMLElement element(u"vesknote");
    element.SetAttribute(u"lastmodified", u"2007-01-27");
    element.AddChild(u"behavior").AddChild(u"unknown");
    element.AddChild(u"extra").AddChild(u"title").SetText(u"ignored");
    note.LoadFromElement(element);
    EXPECT_EQ(note.GetCreationTime(), 1000);
    EXPECT_EQ(note.GetLastModified(), 0);
    EXPECT_EQ(note.GetTitle(), u"kept");
    EXPECT_NE(note.GetAlarm(), nullptr);
    EXPECT_EQ(note.GetAlpha(), NoteData::kLoadingAlpha);

    // The first alarm child is the note's alarm.
    XMLElement alarms(u"vesknote");
    XMLElement& behavior = alarms.AddChild(u"behavior");
    behavior.AddChild(u"alarm").SetAttribute(u"repeat", u"once");
    behavior.AddChild(u"alarm").SetAttribute(u"repeat", u"loop");
    MessageNoteData withAlarm;
    withAlarm.LoadFromElement(alarms);
    ASSERT_NE(withAlarm.GetAlarm(), nullptr);
    EXPECT_EQ(withAlarm.GetAlarm()->repeat, AlarmData::kRepeatOnce);
}

// Knows no face called "Nowhere".
class PickyEngine : public FontEngine {
public:
    class Fonts : public DrawingFonts {
    public:
        int GetHeight() const override { return 15; }
    };
    std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
        return font.GetFace() == u"Nowhere" ? nullptr : std::make_unique<Fonts>();
    }
    double GetScreenResolution() const override { return 96.0; }
};

TEST(NoteDataTest, AFontThatCannotBeMadeFallsBackToArial12) {
    PickyEngine engine;
    RegisterFontEngine(&engine);
    XMLElement element(u"vesknote");
    FontData(u"Nowhere", 30, true, false).SaveToElement(element.AddChild(u"appearence"));
    MessageNoteData note;
    note.LoadFromElement(element);
    EXPECT_EQ(note.GetFont(), FontData::Fallback());
    EXPECT_EQ(note.GetFont().GetHeight(), 15);
    EXPECT_FALSE(note.SetFont(FontData(u"Nowhere", 10, false, false)));
    RegisterFontEngine(nullptr);
}

TEST(NoteDataTest, CopyFromPutsBackWhatAnEditChanges) {
    std::vector<std::unique_ptr<NoteData>> sources = MakeOneOfEachKind();
    const NoteData& source = *sources[0];
    MessageNoteData target;
    target.SetTitle(u"mine");
    target.SetRect(Rect{1, 2, 3, 4});
    target.CopyFrom(source);
    EXPECT_EQ(target.GetText(), u"first line\nsecond line");
    EXPECT_EQ(target.GetAlpha(), source.GetAlpha());
    EXPECT_EQ(target.GetStyle(), source.GetStyle());
    EXPECT_EQ(target.GetFont(), source.GetFont());
    EXPECT_EQ(target.GetAlignment(), NoteData::kAlignCenter);
    ASSERT_NE(target.GetAlarm(), nullptr);
    EXPECT_EQ(*target.GetAlarm(), *source.GetAlarm());
    EXPECT_NE(target.GetAlarm(), source.GetAlarm());
    EXPECT_EQ(target.GetTitle(), u"mine");
    EXPECT_EQ(target.GetRect(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(target.GetState(), NoteData::kStateShown);
    EXPECT_FALSE(target.IsShaded());
    EXPECT_TRUE(target.GetShowTitle());
    EXPECT_EQ(target.GetStayOnTop(), 0);

    // Copying back from a note without an alarm removes ours; another kind
    // leaves the text alone.
    target.CopyFrom(ChecklistNoteData());
    EXPECT_EQ(target.GetAlarm(), nullptr);
    EXPECT_EQ(target.GetText(), u"first line\nsecond line");
}

TEST(NoteDataTest, AlarmAndTouch) {
    ChecklistNoteData note;
    note.SetLastModified(0);
    note.Touch();
    EXPECT_GT(note.GetLastModified(), 0);

    note.EnableAlarm(true);
    ASSERT_NE(note.GetAlarm(), nullptr);
    EXPECT_FALSE(note.GetAlarm()->HasTime());
    note.GetAlarm()->repeat = AlarmData::kRepeatOnce;
    note.EnableAlarm(true);
    EXPECT_EQ(note.GetAlarm()->repeat, AlarmData::kRepeatOnce);
    note.EnableAlarm(false);
    EXPECT_EQ(note.GetAlarm(), nullptr);
}

TEST(NoteDataTest, FactoriesByTypeNameAndKind) {
    struct Case {
        const char16_t* type;
        std::int64_t kind;
    };
    for (const Case& c :
         {Case{u"message", 0}, Case{u"scribble", 1}, Case{u"checklist", 2}, Case{u"picture", 5}}) {
        std::unique_ptr<NoteData> byType = CreateNoteDataByType(c.type);
        std::unique_ptr<NoteData> byKind = CreateNoteDataByKind(c.kind);
        ASSERT_NE(byType, nullptr);
        ASSERT_NE(byKind, nullptr);
        EXPECT_EQ(byType->GetKind(), c.kind);
        EXPECT_EQ(byKind->GetTypeName(), c.type);
        EXPECT_EQ(byType->GetAlpha(), 200);
        EXPECT_EQ(byType->GetAlarm(), nullptr);
    }
    for (const char16_t* type : {u"memo", u"", u"Message"}) {
        EXPECT_EQ(CreateNoteDataByType(type), nullptr);
    }
    for (std::int64_t kind : {-1LL, 3LL, 4LL, 6LL, 4294967295LL}) {
        EXPECT_EQ(CreateNoteDataByKind(kind), nullptr);
    }
}

}  // namespace
}  // namespace vesk
