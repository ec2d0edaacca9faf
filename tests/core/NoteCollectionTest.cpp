#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "FakeNoteWindow.h"
#include "NoteTestSupport.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCollection.h"
#include "settings/SettingsData.h"
#include "xml/LocalTimeFormat.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::Fake;

// Hands out the given numbers in turn.
RandomSource Sequence(std::vector<int> values) {
    return [values, next = std::size_t{0}]() mutable { return values[next++ % values.size()]; };
}

class NoteCollectionTest : public testing::Test {
protected:
    NoteWindow* Create(const Rect& workArea, const RandomSource& random,
                       std::int32_t kind = NoteData::kMessage) {
        return collection_.CreateNote(kind, style_, true, settings_, workArea, random);
    }

    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
    SettingsData settings_;
    StyleData style_ = [] {
        StyleData style;
        style.name = u"Lime";
        style.id = 3;
        style.SetColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12));
        return style;
    }();
};

TEST_F(NoteCollectionTest, IdsAreNeverHandedOutTwice) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(AddFakeNote(collection_, factory_, NoteData::kStateShown).Id(), NoteId(i));
    }
    EXPECT_TRUE(collection_.Remove(1));
    EXPECT_FALSE(factory_.desktop.alive.contains(1)) << "removing destroys the window";
    EXPECT_FALSE(collection_.Remove(1));

    NoteWindow* created = Create({0, 0, 1280, 1024}, Sequence({0}));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(Fake(created).Id(), 3u);
    // Not even the newest note's id comes back: a queued alarm may still name it.
    EXPECT_TRUE(collection_.Remove(3));
    EXPECT_EQ(collection_.NextId(), 4u);
    EXPECT_EQ(collection_.NextId(), 4u) << "an id is used only once inserted";

    collection_.Clear();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.alive.empty());
    EXPECT_EQ(AddFakeNote(collection_, factory_, NoteData::kStateShown).Id(), 4u);
}

TEST_F(NoteCollectionTest, InsertRefusesATakenIdOrNoWindow) {
    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    auto second = factory_.MakeNoteWindow(0, std::make_unique<MessageNoteData>());
    EXPECT_EQ(collection_.Insert(0, std::move(second)), nullptr);
    EXPECT_EQ(collection_.GetNotes().size(), 1u);
    EXPECT_EQ(collection_.Insert(5, nullptr), nullptr);
    EXPECT_EQ(collection_.Find(5), nullptr);
}

TEST_F(NoteCollectionTest, NewNoteIsPlacedAtRandomInsideTheWorkArea) {
    for (const auto& [randomX, randomY, x, y] : std::vector<std::tuple<int, int, int, int>>{
             {0, 0, 0, 0}, {1079, 748, 1079, 748}, {1080, 749, 0, 0}, {-1, -1, 615, 563}}) {
        NoteWindow* note = Create({0, 0, 1280, 1024}, Sequence({randomX, randomY}));
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->GetNoteData().GetRect(), (Rect{x, y, x + 200, y + 200})) << randomX;
    }
    // The spread starts at the work area's corner.
    NoteWindow* shifted = Create({100, 50, 1380, 1074}, Sequence({5, 7}));
    EXPECT_EQ(shifted->GetNoteData().GetRect(), (Rect{105, 57, 305, 257}));
}

TEST_F(NoteCollectionTest, TooSmallAWorkAreaPutsTheNoteInItsCorner) {
    for (const Rect& workArea : {Rect{10, 20, 210, 1020}, Rect{10, 20, 1290, 295},
                                 Rect{10, 20, 11, 21}, Rect{10, 20, 0, 0}}) {
        NoteWindow* note = Create(workArea, Sequence({12345}));
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->GetNoteData().GetRect(), (Rect{10, 20, 210, 220}));
    }
}

TEST_F(NoteCollectionTest, NewNoteTakesStyleSettingsAndDateTitleAndOpensForEditing) {
    settings_.SetAlpha(150);
    settings_.SetDateFormat(u"%d.%m.%Y");
    NoteWindow* note = collection_.CreateNote(NoteData::kChecklist, style_, false, settings_,
                                              {0, 0, 1280, 1024}, Sequence({0}));
    ASSERT_NE(note, nullptr);
    const NoteData& record = note->GetNoteData();
    EXPECT_EQ(record.GetKind(), NoteData::kChecklist);
    EXPECT_EQ(record.GetStyle(), style_);
    EXPECT_EQ(record.GetAlpha(), 150);
    EXPECT_FALSE(record.GetShowTitle());
    EXPECT_EQ(record.GetTitle(), FormatLocalTime(record.GetCreationTime(), u"%d.%m.%Y"));
    EXPECT_EQ(record.GetTitle().size(), 10u);

    const auto& fake = Fake(note);
    EXPECT_TRUE(fake.created);
    EXPECT_TRUE(fake.visible);
    EXPECT_EQ(fake.attentions, 1);
    EXPECT_EQ(fake.commands, std::vector<std::uint32_t>{NoteCommand::kEdit});
}

TEST_F(NoteCollectionTest, KindWithoutAWindowMakesNoNote) {
    EXPECT_EQ(Create({0, 0, 1280, 1024}, Sequence({0}), 4), nullptr);
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_EQ(collection_.NextId(), 0u);
}

TEST_F(NoteCollectionTest, ShowingAndAlertingBringTheNoteBackFromAnywhere) {
    auto& crumpled = AddFakeNote(collection_, factory_, NoteData::kStateWastebasket);
    auto& hidden = AddFakeNote(collection_, factory_, NoteData::kStateHidden);

    collection_.ShowNoteById(crumpled.Id());
    EXPECT_EQ(crumpled.GetNoteData().GetState(), NoteData::kStateShown);
    EXPECT_TRUE(crumpled.visible);
    EXPECT_EQ(factory_.desktop.stack.back(), crumpled.Id());
    collection_.ShowNoteById(77);

    EXPECT_TRUE(collection_.AlertNote(hidden.Id()));
    EXPECT_TRUE(hidden.shaking);
    EXPECT_EQ(hidden.shakeInterval, 100);
    EXPECT_EQ(hidden.shakeAmplitude, 10);
    EXPECT_TRUE(hidden.ringing);
    EXPECT_EQ(hidden.GetNoteData().GetState(), NoteData::kStateShown);
    EXPECT_EQ(factory_.desktop.stack.back(), hidden.Id());
    EXPECT_FALSE(collection_.AlertNote(77));
}

TEST_F(NoteCollectionTest, EmptyingTheWastebasketDestroysOnlyCrumpledNotes) {
    AddFakeNote(collection_, factory_, NoteData::kStateWastebasket);
    AddFakeNote(collection_, factory_, NoteData::kStateShown);
    AddFakeNote(collection_, factory_, NoteData::kStateWastebasket);
    AddFakeNote(collection_, factory_, NoteData::kStateHidden);

    EXPECT_FALSE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::OnExit));
    EXPECT_FALSE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Never));
    EXPECT_EQ(collection_.GetNotes().size(), 4u);

    EXPECT_TRUE(collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Always));
    EXPECT_EQ(factory_.desktop.alive, (std::set<NoteId>{1, 3}));
    collection_.EmptyWastebasket();
    EXPECT_EQ(collection_.GetNotes().size(), 2u);
}

TEST_F(NoteCollectionTest, ArchivingWritesTheNoteUnshadedAndKeepsItOnFailure) {
    test::TempDir folder;
    NoteArchive archive([] { return 24; });
    auto& note = AddFakeNote(collection_, factory_, NoteData::kStateShown, true);
    note.GetNoteData().SetTitle(u"Plans");

    archive.SetFolder(folder / "missing");
    EXPECT_FALSE(collection_.ArchiveNote(note.Id(), archive));
    EXPECT_TRUE(note.GetNoteData().IsShaded()) << "a failed archive leaves the note as it was";

    archive.SetFolder(folder.Path());
    EXPECT_FALSE(collection_.ArchiveNote(77, archive));
    ASSERT_TRUE(collection_.ArchiveNote(note.Id(), archive));
    ASSERT_TRUE(archive.Refresh());
    ASSERT_EQ(archive.GetEntries().size(), 1u);
    const NoteData* archived = archive.GetNote(folder / "Plans.vesknote");
    ASSERT_NE(archived, nullptr);
    EXPECT_FALSE(archived->IsShaded());
    EXPECT_EQ(collection_.GetNotes().size(), 1u) << "the caller removes an archived note";
}

TEST_F(NoteCollectionTest, ImportedNotesAreAlwaysShown) {
    test::TempDir folder;
    MessageNoteData saved;
    saved.SetTitle(u"Crumpled once");
    saved.SetText(u"body");
    saved.SetState(NoteData::kStateHidden);
    ASSERT_TRUE(saved.SaveToFile(folder / "hidden.vesknote"));
    test::PreviousNoteRecord old;
    old.state = "2";
    test::WriteBytes(folder / "old.vesknote", test::PreviousNoteFile(old));
    test::WriteBytes(folder / "junk.vesknote", "not a note");

    ASSERT_TRUE(collection_.ImportNoteFile(folder / "hidden.vesknote"));
    ASSERT_TRUE(collection_.ImportNoteFile(folder / "old.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "junk.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "missing.vesknote"));

    ASSERT_EQ(collection_.GetNotes().size(), 2u);
    for (const auto& [id, window] : collection_.GetNotes()) {
        EXPECT_TRUE(Fake(window.get()).created);
        EXPECT_TRUE(Fake(window.get()).visible);
        EXPECT_EQ(window->GetNoteData().GetState(), NoteData::kStateShown);
    }
    EXPECT_EQ(dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData()).GetText(),
              u"body");
    EXPECT_EQ(collection_.Find(1)->GetNoteData().GetTitle(), u"Old note");
}

TEST(LocalTimeFormatTest, FormatsLocalTimeWithinTheLimit) {
    test::ScopedTimeZone timeZone("UTC");
    const TimeValue time = 1170000000;  // 2007-01-28 16:00:00 UTC
    EXPECT_EQ(FormatLocalTime(time, u"%m/%d/%Y"), u"01/28/2007");
    EXPECT_EQ(FormatLocalTime(time, u"Fällig %H:%M"), u"Fällig 16:00");
    EXPECT_EQ(FormatLocalTime(time, u""), u"");
    EXPECT_EQ(FormatLocalTime(time, std::u16string(200, u'x')), std::u16string(128, u'x'));
    std::u16string pairs = u"x";
    for (int i = 0; i < 100; ++i) pairs += u"\U0001F600";
    EXPECT_EQ(FormatLocalTime(time, pairs).size(), 127u) << "no half of a surrogate pair";
    EXPECT_EQ(FormatLocalTime(std::numeric_limits<TimeValue>::max(), u"%Y"), u"");
}

}  // namespace
}  // namespace vesk
