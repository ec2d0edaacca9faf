#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeNoteWindow.h"
#include "NoteTestSupport.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/NoteCollection.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::Fake;

const std::string kBom = "\xff\xfe";

class CollectionFileTest : public testing::Test {
protected:
    std::filesystem::path WriteXml(std::u16string_view xml) {
        const auto path = folder_ / "notes.xml";
        test::WriteBytes(path, kBom + test::Utf16Bytes(xml));
        return path;
    }
    std::filesystem::path WriteText(const std::string& text) {
        const auto path = folder_ / "notes.dat";
        test::WriteBytes(path, text);
        return path;
    }
    std::vector<std::u16string> Titles() const {
        std::vector<std::u16string> titles;
        for (const auto& [id, note] : collection_.GetNotes()) {
            titles.push_back(note->GetNoteData().GetTitle());
        }
        return titles;
    }

    test::TempDir folder_;
    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
};

TEST_F(CollectionFileTest, EmptyCollectionWritesBothSections) {
    const auto path = folder_ / "notes.xml";
    ASSERT_TRUE(collection_.SaveCollection(path));
    XMLDocument document;
    ASSERT_TRUE(document.Load(path));
    const XMLElement& root = *document.GetRoot();
    EXPECT_EQ(root.GetName(), u"notecollection");
    EXPECT_EQ(root.GetAttribute(u"version"), u"4.00");
    ASSERT_EQ(root.Children().size(), 2u);
    ASSERT_NE(root.FindChild(u"active"), nullptr);
    ASSERT_NE(root.FindChild(u"wastebasket"), nullptr);
    EXPECT_TRUE(root.FindChild(u"active")->Children().empty());
    EXPECT_TRUE(root.FindChild(u"wastebasket")->Children().empty());

    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    EXPECT_TRUE(collection_.LoadCollection(path));
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.alive.empty());
}

TEST_F(CollectionFileTest, HiddenAndCrumpledNotesComeBackOutOfSight) {
    auto& shown = AddFakeNote(collection_, factory_, NoteData::kStateShown, true, 1);
    auto& hidden =
        AddFakeNote(collection_, factory_, NoteData::kStateHidden, false, 0, NoteData::kChecklist);
    auto& crumpled = AddFakeNote(collection_, factory_, NoteData::kStateWastebasket, false, 0,
                                 NoteData::kScribble);
    dynamic_cast<ChecklistNoteData&>(hidden.GetNoteData()).AddItem(u"Milk", true);
    const auto path = folder_ / "notes.xml";
    ASSERT_TRUE(collection_.SaveCollection(path));

    XMLDocument document;
    ASSERT_TRUE(document.Load(path));
    const XMLElement* active = document.GetRoot()->FindChild(u"active");
    const XMLElement* wastebasket = document.GetRoot()->FindChild(u"wastebasket");
    ASSERT_EQ(active->Children().size(), 2u);
    ASSERT_EQ(wastebasket->Children().size(), 1u);
    auto hiddenElement = std::next(active->FindChildren(u"vesknote").first);
    EXPECT_EQ(hiddenElement->second->FindChild(u"appearence")->GetAttribute(u"hidden"), u"true");
    const XMLElement* crumpledElement = wastebasket->FindChild(u"vesknote");
    EXPECT_EQ(crumpledElement->FindChild(u"appearence")->GetAttribute(u"hidden"), u"");

    test::FakeWindowFactory otherFactory;
    NoteCollection loaded(otherFactory);
    ASSERT_TRUE(loaded.LoadCollection(path));
    ASSERT_EQ(loaded.GetNotes().size(), 3u);
    const test::FakeNoteWindow* originals[] = {&shown, &hidden, &crumpled};
    const int attentions[] = {1, 0, 0};
    NoteId id = 0;
    for (const auto& [loadedId, window] : loaded.GetNotes()) {
        EXPECT_EQ(loadedId, id);
        test::ExpectSameNote(originals[id]->GetNoteData(), window->GetNoteData());
        EXPECT_TRUE(Fake(window.get()).created);
        EXPECT_EQ(Fake(window.get()).attentions, attentions[id]);
        ++id;
    }
}

TEST_F(CollectionFileTest, UnknownTypesAndOtherSectionsAreSkipped) {
    const auto path = WriteXml(
        u"<notecollection><other><vesknote type=\"message\"><title>Lost</title></vesknote></other>"
        u"<wastebasket><vesknote type=\"message\"><title>C</title>"
        u"<appearence hidden=\"true\"/></vesknote></wastebasket>"
        u"<active><vesknote type=\"message\"><title>A</title></vesknote>"
        u"<vesknote type=\"memo\"><title>Memo</title></vesknote>"
        u"<vesknote><title>Untyped</title></vesknote>"
        u"<note type=\"checklist\"><title>B</title></note></active></notecollection>");
    ASSERT_TRUE(collection_.LoadCollection(path));
    // Sections in name order, notes within a section in name order.
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"B", u"A", u"C"}));
    EXPECT_EQ(collection_.Find(0)->GetNoteData().GetKind(), NoteData::kChecklist);
    EXPECT_EQ(collection_.Find(2)->GetNoteData().GetState(), NoteData::kStateWastebasket);
}

TEST_F(CollectionFileTest, AFileOfNeitherFormatLeavesTheCollectionEmpty) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"settings root", kBom + test::Utf16Bytes(u"<settings><active/></settings>")},
        {"cut short", kBom + test::Utf16Bytes(u"<notecollection><active><vesknote type=\"m")},
        {"first number 0", test::PreviousNotesFile({{}}, "0")},
        {"no count", "-1\r\n3.00\r\n"},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files) {
        AddFakeNote(collection_, factory_, NoteData::kStateShown);
        EXPECT_FALSE(collection_.LoadCollection(WriteText(bytes))) << name;
        EXPECT_TRUE(collection_.GetNotes().empty()) << name;
    }
    EXPECT_FALSE(collection_.LoadCollection(folder_ / "missing.xml"));
    EXPECT_FALSE(collection_.LoadCollection(folder_.Path()));
}

TEST_F(CollectionFileTest, PreviousVersionNotesFileBecomesNotes) {
    test::PreviousNoteRecord message;
    message.title = "Groceries";
    message.lines = {"eggs", "milk"};
    test::PreviousNoteRecord checklist;
    checklist.title = "Chores";
    checklist.kind = "2";
    checklist.state = "1";
    checklist.lines = {"*^Dishes", "Laundry."};
    test::PreviousNoteRecord scribble;
    scribble.title = "Doodle";
    scribble.kind = "1";
    scribble.state = "2";
    scribble.drawing = "0 62500\n";

    ASSERT_TRUE(collection_.LoadCollection(
        WriteText(test::PreviousNotesFile({message, checklist, scribble}))));
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"Groceries", u"Chores", u"Doodle"}));
    const auto& first = dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData());
    EXPECT_EQ(first.GetText(), u"eggs\nmilk");
    const auto& second = dynamic_cast<const ChecklistNoteData&>(collection_.Find(1)->GetNoteData());
    EXPECT_EQ(second.GetItems().size(), 2u);
    const auto& third = dynamic_cast<const ScribbleNoteData&>(collection_.Find(2)->GetNoteData());
    ASSERT_NE(third.GetImage(), nullptr);
    // The canvas of a 200 × 200 note under a 24 pixel title bar.
    EXPECT_EQ(third.GetImage()->GetHeight(), 200 - 24 - 20);

    const int attentions[] = {1, 0, 0};
    for (const auto& [id, window] : collection_.GetNotes()) {
        EXPECT_TRUE(Fake(window.get()).created);
        EXPECT_EQ(Fake(window.get()).attentions, attentions[id]) << id;
    }
}

TEST_F(CollectionFileTest, PreviousVersionNotesFileStopsAtABrokenNote) {
    test::PreviousNoteRecord good;
    test::PreviousNoteRecord unknownKind;
    unknownKind.kind = "7";
    EXPECT_FALSE(
        collection_.LoadCollection(WriteText(test::PreviousNotesFile({good, unknownKind, good}))));
    EXPECT_EQ(collection_.GetNotes().size(), 1u);

    // Claims more notes than it holds.
    std::string shortFile = test::PreviousNotesFile({good});
    shortFile.replace(shortFile.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    EXPECT_FALSE(collection_.LoadCollection(WriteText(shortFile)));
    EXPECT_EQ(collection_.GetNotes().size(), 1u);
}

}  // namespace
}  // namespace vesk
