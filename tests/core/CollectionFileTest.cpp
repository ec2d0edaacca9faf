#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "FakeNoteWindow.h"
#include "NoteTestSupport.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::PreviousRecord;
using test::ReadBytes;
using Titles = std::vector<std::u16string>;

class CollectionFileTest : public testing::Test {
protected:
    std::filesystem::path Write(const std::string& bytes) {
        test::WriteBytes(path_, bytes);
        return path_;
    }
    Titles LoadedTitles() const {
        return test::EachNote(collection_,
                              [](auto& note) { return note.GetNoteData().GetTitle(); });
    }
    std::vector<int> Attentions() const {
        return test::EachNote(collection_, [](auto& note) { return note.attentions; });
    }

    test::TempDir folder_;
    std::filesystem::path path_ = folder_ / "notes";
    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
};

TEST_F(CollectionFileTest, EmptyCollectionWritesBothSectionsAndReadsBackEmpty) {
    ASSERT_TRUE(collection_.SaveCollection(path_));
    EXPECT_EQ(ReadBytes(path_), test::Utf16XmlFile(u"<notecollection version=\"4.00\">\n"
                                                   u"\t<active></active>\n"
                                                   u"\t<wastebasket></wastebasket>\n"
                                                   u"</notecollection>"));
    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    EXPECT_TRUE(collection_.LoadCollection(path_));
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
}

TEST_F(CollectionFileTest, TheDefaultNotesHoldOneWelcomeNoteAndSaveToTheSameBytes) {
    test::ScopedTimeZone utc("UTC");
    const auto defaults = std::filesystem::path(VESK_DEFAULT_FILES_DIR) / "notes.xml";
    ASSERT_TRUE(collection_.LoadCollection(defaults));
    ASSERT_EQ(collection_.GetNotes().size(), 1u);
    EXPECT_EQ(collection_.Find(0)->GetNoteData().GetKind(), NoteData::kMessage);
    ASSERT_TRUE(collection_.SaveCollection(path_));
    EXPECT_EQ(ReadBytes(path_), ReadBytes(defaults));
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

    ASSERT_TRUE(collection_.LoadCollection(path_));
    ASSERT_EQ(collection_.GetNotes().size(), 3u);
    for (NoteId id = 0; id < 3; ++id) {
        test::ExpectSameNote(*originals[id], collection_.Find(id)->GetNoteData());
    }
    EXPECT_EQ(factory_.desktop, (std::vector<NoteId>{0, 1, 2})) << "every window is created";
    EXPECT_EQ(Attentions(), (std::vector{1, 0, 0}));

    // The wastebasket is the section's business: its notes carry no hidden flag.
    XMLDocument document;
    ASSERT_TRUE(document.Load(path_));
    const auto hidden = [](const XMLElement* note) {
        return note->FindChild(u"appearence")->GetAttribute(u"hidden");
    };
    const XMLElement& root = *document.GetRoot();
    EXPECT_EQ(hidden(root.FindChild(u"active")->Children()[1]), u"true");
    EXPECT_EQ(hidden(root.FindChild(u"wastebasket")->FindChild(u"vesknote")), u"");
}

TEST_F(CollectionFileTest, UnknownTypesAndOtherSectionsAreSkipped) {
    Write(test::Utf16XmlFile(
        u"<notecollection><other><vesknote type=\"message\"/></other>"
        u"<wastebasket><vesknote type=\"message\"><title>C</title>"
        u"<appearence hidden=\"true\"/></vesknote></wastebasket>"
        u"<active><vesknote type=\"message\"><title>A</title></vesknote>"
        u"<vesknote type=\"memo\"><title>Memo</title></vesknote>"
        u"<vesknote><title>Untyped</title></vesknote>"
        u"<note type=\"checklist\"><title>B</title></note></active></notecollection>"));
    ASSERT_TRUE(collection_.LoadCollection(path_));
    // Sections in name order, then the notes of each in name order.
    EXPECT_EQ(LoadedTitles(), (Titles{u"B", u"A", u"C"}));
    EXPECT_EQ(collection_.Find(2)->GetNoteData().GetState(), NoteData::kStateWastebasket);
}

TEST_F(CollectionFileTest, AFileOfNeitherFormatLeavesTheCollectionEmpty) {
    std::string claimsTwo = test::PreviousNotesFile({{}});
    claimsTwo.replace(claimsTwo.find("\r\n1\r\n"), 5, "\r\n2\r\n");
    const std::string files[] = {
        test::Utf16XmlFile(u"<settings><active/></settings>"),
        test::Utf16XmlFile(u"<notecollection><active><vesknote type=\"m"),
        test::PreviousNotesFile({{}}, "0"),
        "-1\r\n3.00\r\n",
        "",
    };
    for (const std::string& bytes : files) {
        AddFakeNote(collection_, factory_, NoteData::kStateShown);
        EXPECT_FALSE(collection_.LoadCollection(Write(bytes))) << bytes.size();
        EXPECT_TRUE(collection_.GetNotes().empty()) << bytes.size();
    }
    EXPECT_FALSE(collection_.LoadCollection(folder_.Path()));

    // A broken note ends the read; those before it have been made.
    for (const std::string& bytes :
         {test::PreviousNotesFile({{}, {.title = "Odd", .kind = "7"}, {}}), claimsTwo}) {
        EXPECT_FALSE(collection_.LoadCollection(Write(bytes)));
        EXPECT_EQ(collection_.GetNotes().size(), 1u);
    }
}

// Hears of the notes as the alarms do: it should hold what the collection
// holds, however the notes came and went.
class IdWatcher : public CollectionWatcher {
public:
    void NoteAdded(NoteId id, NoteWindow&) override { ids.insert(id); }
    void NoteRemoved(NoteId id) override { ids.erase(id); }

    std::set<NoteId> ids;
};

TEST_F(CollectionFileTest, AWatcherHearsOfEveryNoteThatComesOrGoes) {
    IdWatcher watcher;
    collection_.SetWatcher(&watcher);
    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    AddFakeNote(collection_, factory_, NoteData::kStateWastebasket);
    ASSERT_TRUE(collection_.SaveCollection(path_));
    ASSERT_TRUE(collection_.RestoreCollection(path_));
    EXPECT_EQ(watcher.ids, (std::set<NoteId>{2, 3}));
    // A file that breaks off after one note: that note goes again.
    EXPECT_FALSE(collection_.RestoreCollection(
        Write(test::PreviousNotesFile({{}, {.title = "Odd", .kind = "7"}}))));
    EXPECT_EQ(watcher.ids, (std::set<NoteId>{2, 3}));
    // A merge keeps the notes held, windows and all, beside the file's.
    const NoteWindow* held = collection_.Find(2);
    ASSERT_TRUE(collection_.SaveCollection(path_));
    ASSERT_TRUE(collection_.MergeCollection(path_));
    EXPECT_EQ(watcher.ids, (std::set<NoteId>{2, 3, 5, 6}));
    EXPECT_EQ(collection_.Find(2), held);
    EXPECT_FALSE(collection_.MergeCollection(Write("not notes")));
    EXPECT_EQ(watcher.ids, (std::set<NoteId>{2, 3, 5, 6}));
    collection_.EmptyWastebasket();
    EXPECT_EQ(watcher.ids, (std::set<NoteId>{2, 5}));
    collection_.Clear();
    EXPECT_TRUE(watcher.ids.empty());
}

// The records' own rules are the previous-version reader's test.
TEST_F(CollectionFileTest, PreviousVersionNotesFileBecomesNotes) {
    ASSERT_TRUE(collection_.LoadCollection(Write(test::PreviousNotesFile({
        {.title = "Groceries", .lines = {"eggs", "milk"}},
        {.title = "Chores", .kind = "2", .lines = {"*^Dishes"}, .flags = "1 0 0 0"},
        {.title = "Doodle", .kind = "1", .lines = {}, .flags = "2 0 0 0", .drawing = "0 62500\n"},
    }))));
    EXPECT_EQ(LoadedTitles(), (Titles{u"Groceries", u"Chores", u"Doodle"}));
    EXPECT_EQ(dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData()).GetText(),
              u"eggs\nmilk");
    EXPECT_EQ(collection_.Find(2)->GetNoteData().GetState(), NoteData::kStateWastebasket);
    EXPECT_EQ(Attentions(), (std::vector{1, 0, 0}));
}

}  // namespace
}  // namespace vesk
