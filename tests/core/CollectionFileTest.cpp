#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeNoteWindow.h"
#include "NoteTestSupport.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "xml/XMLDocument.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::Fake;

const std::string kBom = "\xff\xfe";

class CollectionFileTest : public testing::Test {
protected:
    std::filesystem::path Write(const std::string& bytes) {
        test::WriteBytes(path_, bytes);
        return path_;
    }
    std::vector<std::u16string> Titles() const {
        std::vector<std::u16string> titles;
        for (const auto& [id, note] : collection_.GetNotes()) {
            titles.push_back(note->GetNoteData().GetTitle());
        }
        return titles;
    }
    std::vector<int> Attentions() const {
        std::vector<int> attentions;
        for (const auto& [id, note] : collection_.GetNotes()) {
            attentions.push_back(Fake(note.get()).attentions);
        }
        return attentions;
    }

    test::TempDir folder_;
    std::filesystem::path path_ = folder_ / "notes";
    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
};

TEST_F(CollectionFileTest, EmptyCollectionWritesBothSectionsAndReadsBackEmpty) {
    ASSERT_TRUE(collection_.SaveCollection(path_));
    XMLDocument document;
    ASSERT_TRUE(document.Load(path_));
    const XMLElement& root = *document.GetRoot();
    EXPECT_EQ(root.GetName(), u"notecollection");
    EXPECT_EQ(root.GetAttribute(u"version"), u"4.00");
    ASSERT_EQ(root.Children().size(), 2u);
    EXPECT_TRUE(root.FindChild(u"active")->Children().empty());
    EXPECT_TRUE(root.FindChild(u"wastebasket")->Children().empty());

    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    EXPECT_TRUE(collection_.LoadCollection(path_));
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
}

TEST_F(CollectionFileTest, HiddenAndCrumpledNotesComeBackOutOfSight) {
    test::FakeWindowFactory savingFactory;
    NoteCollection saving(savingFactory);
    const NoteData* originals[] = {
        &AddFakeNote(saving, savingFactory, NoteData::kStateShown, true, 1).GetNoteData(),
        &AddFakeNote(saving, savingFactory, NoteData::kStateHidden, false, 0, NoteData::kChecklist)
             .GetNoteData(),
        &AddFakeNote(saving, savingFactory, NoteData::kStateWastebasket, false, 0,
                     NoteData::kScribble)
             .GetNoteData()};
    ASSERT_TRUE(saving.SaveCollection(path_));

    XMLDocument document;
    ASSERT_TRUE(document.Load(path_));
    const auto active = document.GetRoot()->FindChild(u"active")->FindChildren(u"vesknote");
    ASSERT_EQ(std::distance(active.first, active.second), 2);
    const XMLElement& hidden = *std::next(active.first)->second;
    EXPECT_EQ(hidden.FindChild(u"appearence")->GetAttribute(u"hidden"), u"true");
    const XMLElement* crumpled =
        document.GetRoot()->FindChild(u"wastebasket")->FindChild(u"vesknote");
    ASSERT_NE(crumpled, nullptr);
    EXPECT_EQ(crumpled->FindChild(u"appearence")->GetAttribute(u"hidden"), u"");

    ASSERT_TRUE(collection_.LoadCollection(path_));
    ASSERT_EQ(collection_.GetNotes().size(), 3u);
    for (NoteId id = 0; id < 3; ++id) {
        test::ExpectSameNote(*originals[id], collection_.Find(id)->GetNoteData());
    }
    EXPECT_EQ(factory_.desktop, (std::vector<NoteId>{0, 1, 2})) << "every window is created";
    EXPECT_EQ(Attentions(), (std::vector{1, 0, 0}));
}

TEST_F(CollectionFileTest, UnknownTypesAndOtherSectionsAreSkipped) {
    Write(kBom +
          test::Utf16Bytes(
              u"<notecollection><other><vesknote type=\"message\"/></other>"
              u"<wastebasket><vesknote type=\"message\"><title>C</title>"
              u"<appearence hidden=\"true\"/></vesknote></wastebasket>"
              u"<active><vesknote type=\"message\"><title>A</title></vesknote>"
              u"<vesknote type=\"memo\"><title>Memo</title></vesknote>"
              u"<vesknote><title>Untyped</title></vesknote>"
              u"<note type=\"checklist\"><title>B</title></note></active></notecollection>"));
    ASSERT_TRUE(collection_.LoadCollection(path_));
    // Sections in name order, then the notes of each in name order.
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"B", u"A", u"C"}));
    EXPECT_EQ(collection_.Find(2)->GetNoteData().GetState(), NoteData::kStateWastebasket);
}

TEST_F(CollectionFileTest, AFileOfNeitherFormatLeavesTheCollectionEmpty) {
    const std::string good = test::PreviousNoteRecord();
    const std::string unknownKind = test::PreviousNoteRecord("Odd", "7");
    std::string claimsTwo = test::PreviousNotesFile({good});
    claimsTwo.replace(claimsTwo.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"settings root", kBom + test::Utf16Bytes(u"<settings><active/></settings>")},
        {"cut short", kBom + test::Utf16Bytes(u"<notecollection><active><vesknote type=\"m")},
        {"first number 0", test::PreviousNotesFile({good}, "0")},
        {"no count", "-1\r\n3.00\r\n"},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files) {
        AddFakeNote(collection_, factory_, NoteData::kStateShown);
        EXPECT_FALSE(collection_.LoadCollection(Write(bytes))) << name;
        EXPECT_TRUE(collection_.GetNotes().empty()) << name;
    }
    EXPECT_FALSE(collection_.LoadCollection(folder_ / "missing.xml"));
    EXPECT_FALSE(collection_.LoadCollection(folder_.Path()));

    // A broken note ends the read; those before it have been made.
    for (const std::string& bytes :
         {test::PreviousNotesFile({good, unknownKind, good}), claimsTwo}) {
        EXPECT_FALSE(collection_.LoadCollection(Write(bytes)));
        EXPECT_EQ(collection_.GetNotes().size(), 1u);
    }
}

TEST_F(CollectionFileTest, PreviousVersionNotesFileBecomesNotes) {
    const std::string message = test::PreviousNoteRecord("Groceries", "0", "0", {"eggs", "milk"});
    const std::string checklist =
        test::PreviousNoteRecord("Chores", "2", "1", {"*^Dishes", "Laundry."});
    const std::string scribble = test::PreviousNoteRecord("Doodle", "1", "2", {}, "0 62500\n");

    ASSERT_TRUE(
        collection_.LoadCollection(Write(test::PreviousNotesFile({message, checklist, scribble}))));
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"Groceries", u"Chores", u"Doodle"}));
    EXPECT_EQ(dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData()).GetText(),
              u"eggs\nmilk");
    EXPECT_EQ(dynamic_cast<const ChecklistNoteData&>(collection_.Find(1)->GetNoteData())
                  .GetItems()
                  .size(),
              2u);
    const auto& doodle = dynamic_cast<const ScribbleNoteData&>(collection_.Find(2)->GetNoteData());
    ASSERT_NE(doodle.GetImage(), nullptr);
    // The canvas of a 200 × 200 note under the windows' 24 pixel title bar.
    EXPECT_EQ(doodle.GetImage()->GetHeight(), 200 - 24 - 20);
    EXPECT_EQ(factory_.desktop.size(), 3u);
    EXPECT_EQ(Attentions(), (std::vector{1, 0, 0}));
}

}  // namespace
}  // namespace vesk
