#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "FakeNoteWindow.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteArchive.h"
#include "xml/LocalTimeFormat.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::Fake;
using test::FakeNoteWindow;
using Ids = std::vector<NoteId>;

// Hands out the given numbers in turn.
RandomSource Sequence(std::vector<int> values) {
    return [values, next = std::size_t{0}]() mutable { return values[next++ % values.size()]; };
}

class NoteCollectionTest : public testing::Test {
protected:
    NoteWindow* Create(const Rect& workArea, std::vector<int> random,
                       std::int32_t kind = NoteData::kMessage) {
        return collection_.CreateNote(kind, style_, false, settings_, workArea, Sequence(random));
    }
    FakeNoteWindow& Add(std::int32_t state) { return AddFakeNote(collection_, factory_, state); }

    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
    SettingsData settings_;
    StyleData style_{u"Lime", 3, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};
};

TEST_F(NoteCollectionTest, IdsAreNeverHandedOutTwice) {
    for (NoteId i = 0; i < 3; ++i) EXPECT_EQ(Add(NoteData::kStateShown).Id(), i);
    EXPECT_TRUE(collection_.Remove(1));
    EXPECT_EQ(factory_.desktop, (Ids{0, 2})) << "removing destroys the window";
    EXPECT_FALSE(collection_.Remove(1));
    EXPECT_EQ(Fake(Create({0, 0, 1280, 1024}, {0})).Id(), 3u);

    // Not even the newest note's id comes back: a queued alarm may still name it.
    EXPECT_TRUE(collection_.Remove(3));
    EXPECT_EQ(collection_.NextId(), 4u);
    EXPECT_EQ(collection_.NextId(), 4u) << "an id is used up only once inserted";
    EXPECT_EQ(collection_.Insert(0, factory_.MakeNoteWindow(0, CreateNoteDataByKind(0))), nullptr);
    EXPECT_EQ(collection_.Insert(9, nullptr), nullptr);

    collection_.Clear();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
    EXPECT_EQ(Add(NoteData::kStateShown).Id(), 4u);
}

TEST_F(NoteCollectionTest, NewNoteIsPlacedAtRandomInsideTheWorkArea) {
    for (const auto& [randomX, randomY, x, y] : std::vector<std::tuple<int, int, int, int>>{
             {0, 0, 0, 0}, {1079, 748, 1079, 748}, {1080, 749, 0, 0}, {-1, -1, 615, 563}}) {
        NoteWindow* note = Create({0, 0, 1280, 1024}, {randomX, randomY});
        EXPECT_EQ(note->GetNoteData().GetRect(), (Rect{x, y, x + 200, y + 200})) << randomX;
    }
    EXPECT_EQ(Create({100, 50, 1380, 1074}, {5, 7})->GetNoteData().GetRect(),
              (Rect{105, 57, 305, 257}));
    // Too narrow or too low for the spread: the corner.
    for (const Rect& area :
         {Rect{10, 20, 210, 1020}, Rect{10, 20, 1290, 295}, Rect{10, 20, 0, 0}}) {
        EXPECT_EQ(Create(area, {12345})->GetNoteData().GetRect(), (Rect{10, 20, 210, 220}));
    }
}

TEST_F(NoteCollectionTest, NewNoteTakesStyleSettingsAndDateTitleAndOpensForEditing) {
    settings_.SetAlpha(150);
    settings_.SetDateFormat(u"%d.%m.%Y");
    NoteWindow* note = Create({0, 0, 1280, 1024}, {0}, NoteData::kChecklist);
    const NoteData& record = note->GetNoteData();
    EXPECT_EQ(record.GetKind(), NoteData::kChecklist);
    EXPECT_EQ(record.GetStyle(), style_);
    EXPECT_EQ(record.GetAlpha(), 150);
    EXPECT_FALSE(record.GetShowTitle());
    EXPECT_EQ(record.GetTitle(), FormatLocalTime(record.GetCreationTime(), u"%d.%m.%Y"));
    EXPECT_EQ(record.GetState(), NoteData::kStateShown);
    EXPECT_EQ(Fake(note).attentions, 1);
    EXPECT_EQ(Fake(note).commands, std::vector<std::uint32_t>{NoteCommand::kEdit});

    EXPECT_EQ(Create({0, 0, 1280, 1024}, {0}, 4), nullptr) << "no window for that kind";
    EXPECT_EQ(collection_.GetNotes().size(), 1u);
}

TEST_F(NoteCollectionTest, ShowingAndAlertingBringTheNoteBackFromAnywhere) {
    FakeNoteWindow& crumpled = Add(NoteData::kStateWastebasket);
    FakeNoteWindow& hidden = Add(NoteData::kStateHidden);
    collection_.ShowNoteById(crumpled.Id());
    collection_.ShowNoteById(77);
    EXPECT_EQ(crumpled.GetNoteData().GetState(), NoteData::kStateShown);
    EXPECT_EQ(factory_.desktop.back(), crumpled.Id());

    EXPECT_TRUE(collection_.AlertNote(hidden.Id()));
    EXPECT_FALSE(collection_.AlertNote(77));
    EXPECT_EQ(hidden.shake, std::make_tuple(true, 100, 10));
    EXPECT_TRUE(hidden.ringing);
    EXPECT_EQ(hidden.GetNoteData().GetState(), NoteData::kStateShown);
    EXPECT_EQ(factory_.desktop.back(), hidden.Id());
}

TEST_F(NoteCollectionTest, EmptyingTheWastebasketDestroysOnlyCrumpledNotes) {
    for (const auto state : {NoteData::kStateWastebasket, NoteData::kStateShown,
                             NoteData::kStateWastebasket, NoteData::kStateHidden}) {
        Add(state);
    }
    EXPECT_FALSE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::OnExit));
    EXPECT_FALSE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Never));
    EXPECT_EQ(collection_.GetNotes().size(), 4u);
    EXPECT_TRUE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Always));
    EXPECT_EQ(factory_.desktop, (Ids{1, 3}));
}

TEST_F(NoteCollectionTest, ArchivingWritesTheNoteUnshadedAndKeepsItOnFailure) {
    test::TempDir folder;
    NoteArchive archive([] { return 24; });
    FakeNoteWindow& note = AddFakeNote(collection_, factory_, NoteData::kStateShown, true);
    archive.SetFolder(folder / "missing");
    EXPECT_FALSE(collection_.ArchiveNote(note.Id(), archive));
    EXPECT_TRUE(note.GetNoteData().IsShaded()) << "a failed archive leaves the note as it was";

    archive.SetFolder(folder.Path());
    EXPECT_FALSE(collection_.ArchiveNote(77, archive));
    ASSERT_TRUE(collection_.ArchiveNote(note.Id(), archive));
    const NoteData* archived = archive.GetNote(folder / "Note 0.vesknote");
    ASSERT_NE(archived, nullptr);
    EXPECT_FALSE(archived->IsShaded());
    EXPECT_EQ(collection_.GetNotes().size(), 1u) << "the caller removes an archived note";
}

TEST_F(NoteCollectionTest, ImportedNotesAreAlwaysShown) {
    test::TempDir folder;
    MessageNoteData saved;
    saved.SetText(u"body");
    saved.SetState(NoteData::kStateHidden);
    ASSERT_TRUE(saved.SaveToFile(folder / "hidden.vesknote"));
    test::WriteBytes(folder / "old.vesknote",
                     test::PreviousNoteFile(test::PreviousNoteRecord("Old note", "0", "2")));
    test::WriteBytes(folder / "junk.vesknote", "not a note");

    ASSERT_TRUE(collection_.ImportNoteFile(folder / "hidden.vesknote"));
    ASSERT_TRUE(collection_.ImportNoteFile(folder / "old.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "junk.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "missing.vesknote"));
    EXPECT_EQ(factory_.desktop, (Ids{0, 1}));
    for (const auto& [id, window] : collection_.GetNotes()) {
        EXPECT_EQ(window->GetNoteData().GetState(), NoteData::kStateShown);
    }
    EXPECT_EQ(dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData()).GetText(),
              u"body");
    EXPECT_EQ(collection_.Find(1)->GetNoteData().GetTitle(), u"Old note");
}

TEST(LocalTimeFormatTest, FormatsLocalTimeWithinTheLimit) {
    test::ScopedTimeZone timeZone("UTC");
    const TimeValue time = 1170000000;  // 2007-01-28 16:00:00 UTC
    EXPECT_EQ(FormatLocalTime(time, u"Fällig %m/%d/%Y %H:%M"), u"Fällig 01/28/2007 16:00");
    EXPECT_EQ(FormatLocalTime(time, u""), u"");
    EXPECT_EQ(FormatLocalTime(time, std::u16string(200, u'x')), std::u16string(128, u'x'));
    std::u16string pairs = u"x";
    for (int i = 0; i < 100; ++i) pairs += u"\U0001F600";
    EXPECT_EQ(FormatLocalTime(time, pairs).size(), 127u) << "no half of a surrogate pair";
    EXPECT_EQ(FormatLocalTime(std::numeric_limits<TimeValue>::max(), u"%Y"), u"");
}

}  // namespace
}  // namespace vesk
