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
    *note.GetAlarm() = {TextToTime(u"2007-02-01 08:30:00"), 2, u"/home/me/ring.wav"};
    note.SetCreationTime(TextToTime(u"2007-01-27 00:41:33"));
    note.SetLastModified(TextToTime(u"2007-03-04 05:06:07"));
}

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
        scribble->GetImage()->SetPixel(i, i, ArgbFromColor(RGB(10, 20, 30), 255));
        scribble->GetImage()->SetPixel(i + 1, i, ArgbFromColor(0, static_cast<std::uint8_t>(i)));
    }
    notes.push_back(std::move(scribble));
    auto picture = std::make_unique<PictureNoteData>();
    picture->SetSource(u"/no/such/folder/cat.jpg");
    picture->SetMaintainRatio(false);
    notes.push_back(std::move(picture));
    for (auto& note : notes) {
        Decorate(*note);
    }
    return notes;
}

TEST(NoteDataTest, EveryKindRoundTripsThroughItsElementAndFile) {
    test::ScopedTimeZone timeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    test::TempDir folder;
    for (const auto& note : MakeOneOfEachKind()) {
        SCOPED_TRACE(WideToUtf8(note->GetTypeName()));
        XMLElement section(u"active");
        ASSERT_TRUE(note->SaveToElement(section, false));
        const XMLElement& element = *section.FindChild(u"vesknote");
        EXPECT_NE(element.FindChild(u"appearence"), nullptr);
        std::unique_ptr<NoteData> read = CreateNoteDataByType(element.GetAttribute(u"type"));
        ASSERT_NE(read, nullptr);
        EXPECT_TRUE(read->LoadFromElement(element));
        test::ExpectSameNote(*note, *read);

        const auto path = folder / "note.vesknote";
        ASSERT_TRUE(note->SaveToFile(path));
        EXPECT_EQ(test::ReadBytes(path).substr(0, 2), "\xff\xfe");
        std::unique_ptr<NoteData> loaded = LoadNoteFile(path, false, 24);
        ASSERT_NE(loaded, nullptr);
        test::ExpectSameNote(*note, *loaded);
    }
}

TEST(NoteDataTest, EachReaderComparesWithItsOneLiteral) {
    for (const char16_t* text : {u"TRUE", u"True", u"1", u"FALSE", u"Center", u""}) {
        XMLElement element(u"vesknote");
        XMLElement& appearance = element.AddChild(u"appearence");
        for (const char16_t* name : {u"hidden", u"shaded", u"showtitle"}) {
            appearance.SetAttribute(name, text);
        }
        element.AddChild(u"behavior").SetAttribute(u"stayontop", text);
        element.AddChild(u"content").AddChild(u"message").SetAttribute(u"align", text);
        MessageNoteData note;
        note.SetAlignment(NoteData::kAlignCenter);
        note.SetStayOnTop(1);
        note.LoadFromElement(element);
        EXPECT_EQ(note.GetState(), NoteData::kStateShown);
        EXPECT_FALSE(note.IsShaded());
        EXPECT_TRUE(note.GetShowTitle());
        EXPECT_EQ(note.GetStayOnTop(), 0);
        EXPECT_EQ(note.GetAlignment(), NoteData::kAlignLeft);
    }

    // The wastebasket is the section's business: no hidden attribute.
    MessageNoteData note;
    note.SetState(NoteData::kStateWastebasket);
    XMLElement section(u"wastebasket");
    note.SaveToElement(section, false);
    EXPECT_TRUE(
        section.FindChild(u"vesknote")->FindChild(u"appearence")->GetAttribute(u"hidden").empty());
}

TEST(NoteDataTest, DesktopDefaultsAndWrapping) {
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
    EXPECT_EQ(load(XMLElement(u"vesknote")), Rect{});

    // Repeated children are read again: the last one wins.
    XMLElement repeated(u"vesknote");
    XMLElement& desktop = repeated.AddChild(u"desktop");
    desktop.AddChild(u"size", true).SetAttribute(u"width", u"300");
    XMLElement& second = desktop.AddChild(u"size", true);
    second.SetAttribute(u"width", u"40");
    second.SetAttribute(u"height", u"60");
    EXPECT_EQ(load(repeated), (Rect{0, 0, 40, 60}));

    // Far-out coordinates wrap as 32-bit values instead of overflowing.
    XMLElement far(u"vesknote");
    XMLElement& farDesktop = far.AddChild(u"desktop");
    farDesktop.AddChild(u"position", true).SetAttribute(u"x", u"2147483647");
    farDesktop.AddChild(u"size", true).SetAttribute(u"width", u"99999999999");
    EXPECT_EQ(load(far).Width(), 2147483647);
}

TEST(NoteDataTest, AlphaIsKeptToEightBitsAndRaisedToATenth) {
    for (const auto& [text, alpha] : std::initializer_list<std::pair<const char16_t*, int>>{
             {u"26", 26}, {u"25", 25}, {u"3", 25}, {u"256", 25}, {u"511", 255}, {u"", 25}}) {
        XMLElement element(u"vesknote");
        element.AddChild(u"appearence").SetAttribute(u"alpha", text);
        ScribbleNoteData note;
        note.LoadFromElement(element);
        EXPECT_EQ(note.GetAlpha(), alpha) << WideToUtf8(text);
    }
}

TEST(NoteDataTest, MissingPartsKeepTheirValues) {
    PictureNoteData note;
    note.SetCreationTime(1000);
    note.SetTitle(u"kept");
    XMLElement element(u"vesknote");
    element.SetAttribute(u"lastmodified", u"2007-01-27");
    XMLElement& behavior = element.AddChild(u"behavior");
    behavior.AddChild(u"alarm").SetAttribute(u"repeat", u"once");
    behavior.AddChild(u"alarm").SetAttribute(u"repeat", u"loop");
    element.AddChild(u"extra").AddChild(u"title").SetText(u"ignored");
    note.LoadFromElement(element);
    EXPECT_EQ(note.GetCreationTime(), 1000);
    EXPECT_EQ(note.GetLastModified(), 0);
    EXPECT_EQ(note.GetTitle(), u"kept");
    EXPECT_EQ(note.GetAlpha(), NoteData::kLoadingAlpha);
    ASSERT_NE(note.GetAlarm(), nullptr);
    EXPECT_EQ(note.GetAlarm()->repeat, AlarmData::kRepeatOnce);
}

TEST(NoteDataTest, AFontThatCannotBeMadeFallsBackToArial12) {
    class PickyEngine : public FontEngine {
        struct Fonts : DrawingFonts {
            int GetHeight() const override { return 15; }
        };
        std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
            return font.GetFace() == u"Nowhere" ? nullptr : std::make_unique<Fonts>();
        }
        double GetScreenResolution() const override { return 96.0; }
    } engine;
    RegisterFontEngine(&engine);
    XMLElement element(u"vesknote");
    FontData(u"Nowhere", 30, true, false).SaveToElement(element.AddChild(u"appearence"));
    MessageNoteData note;
    note.LoadFromElement(element);
    EXPECT_EQ(note.GetFont(), FontData::Fallback());
    EXPECT_EQ(note.GetFont().GetHeight(), 15);
    RegisterFontEngine(nullptr);
}

TEST(NoteDataTest, CopyFromPutsBackWhatAnEditChanges) {
    const auto sources = MakeOneOfEachKind();
    const NoteData& source = *sources[0];
    MessageNoteData target;
    target.SetTitle(u"mine");
    target.CopyFrom(source);
    EXPECT_EQ(target.GetText(), u"first line\nsecond line");
    EXPECT_EQ(target.GetAlpha(), source.GetAlpha());
    EXPECT_EQ(target.GetStyle(), source.GetStyle());
    EXPECT_EQ(target.GetFont(), source.GetFont());
    EXPECT_EQ(target.GetAlignment(), NoteData::kAlignCenter);
    ASSERT_NE(target.GetAlarm(), nullptr);
    EXPECT_EQ(*target.GetAlarm(), *source.GetAlarm());
    EXPECT_EQ(target.GetTitle(), u"mine");
    EXPECT_EQ(target.GetRect(), Rect{});
    EXPECT_EQ(target.GetState(), NoteData::kStateShown);
    EXPECT_TRUE(target.GetShowTitle());

    // From a note without an alarm, ours goes; another kind leaves the text.
    target.CopyFrom(ChecklistNoteData());
    EXPECT_EQ(target.GetAlarm(), nullptr);
    EXPECT_EQ(target.GetText(), u"first line\nsecond line");
    target.EnableAlarm(true);
    target.GetAlarm()->repeat = AlarmData::kRepeatOnce;
    target.EnableAlarm(true);
    EXPECT_EQ(target.GetAlarm()->repeat, AlarmData::kRepeatOnce);
}

TEST(NoteDataTest, FactoriesByTypeNameAndKind) {
    for (const auto& [type, kind] : std::initializer_list<std::pair<const char16_t*, int>>{
             {u"message", 0}, {u"scribble", 1}, {u"checklist", 2}, {u"picture", 5}}) {
        EXPECT_EQ(CreateNoteDataByType(type)->GetKind(), kind);
        EXPECT_EQ(CreateNoteDataByKind(kind)->GetTypeName(), type);
    }
    for (const char16_t* type : {u"memo", u"", u"Message"}) {
        EXPECT_EQ(CreateNoteDataByType(type), nullptr);
    }
    for (std::int64_t kind : {-1LL, 3LL, 4LL, 4294967296LL}) {
        EXPECT_EQ(CreateNoteDataByKind(kind), nullptr);
    }
}

}  // namespace
}  // namespace vesk
