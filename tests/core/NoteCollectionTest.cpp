#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FakeNoteWindow.h"
#include "PreviousVersionText.h"
#include "TestSupport.h"
#include "notes/MessageNoteData.h"
#include "xml/LocalTimeFormat.h"

namespace vesk {
namespace {

using test::Fake;
using test::FakeNoteWindow;
using Ids = std::vector<NoteId>;
using Commands = std::vector<std::uint32_t>;
using States = std::vector<std::int32_t>;

constexpr std::int32_t kShown = NoteData::kStateShown;
constexpr std::int32_t kHidden = NoteData::kStateHidden;
constexpr std::int32_t kCrumpled = NoteData::kStateWastebasket;
constexpr Rect kScreen{0, 0, 1280, 1024};

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
    FakeNoteWindow& Add(std::int32_t state, bool shaded = false, int onTop = 0) {
        return test::AddFakeNote(collection_, factory_, state, shaded, onTop);
    }

    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
    SettingsData settings_;
    StyleData style_{u"Lime", 3, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};
};

TEST_F(NoteCollectionTest, IdsAreNeverHandedOutTwice) {
    for (NoteId i = 0; i < 3; ++i) EXPECT_EQ(Add(kShown).Id(), i);
    EXPECT_TRUE(collection_.Remove(1));
    EXPECT_EQ(factory_.desktop, (Ids{0, 2})) << "removing destroys the window";
    EXPECT_FALSE(collection_.Remove(1));
    EXPECT_EQ(Fake(Create(kScreen, {0})).Id(), 3u);

    // Not even the newest note's id comes back: a queued alarm may still name it.
    EXPECT_TRUE(collection_.Remove(3));
    EXPECT_EQ(collection_.NextId(), 4u);
    EXPECT_EQ(collection_.NextId(), 4u) << "an id is used up only once inserted";
    EXPECT_EQ(collection_.Insert(0, factory_.MakeNoteWindow(0, CreateNoteDataByKind(0))), nullptr);
    EXPECT_EQ(collection_.Insert(9, nullptr), nullptr);

    collection_.Clear();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
    EXPECT_EQ(Add(kShown).Id(), 4u);
}

TEST_F(NoteCollectionTest, NewNoteIsPlacedAtRandomInsideTheWorkArea) {
    for (const auto& [randomX, randomY, x, y] : std::vector<std::tuple<int, int, int, int>>{
             {0, 0, 0, 0}, {1079, 748, 1079, 748}, {1080, 749, 0, 0}, {-1, -1, 615, 563}}) {
        NoteWindow* note = Create(kScreen, {randomX, randomY});
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
    NoteWindow* note = Create(kScreen, {0}, NoteData::kChecklist);
    const NoteData& record = note->GetNoteData();
    EXPECT_EQ(std::tuple(record.GetKind(), record.GetStyle(), record.GetAlpha(),
                         record.GetShowTitle(), record.GetState()),
              std::tuple(NoteData::kChecklist, style_, 150, false, kShown));
    EXPECT_EQ(record.GetTitle(), FormatLocalTime(record.GetCreationTime(), u"%d.%m.%Y"));
    EXPECT_EQ(Fake(note).attentions, 1);
    EXPECT_EQ(Fake(note).commands, Commands{NoteCommand::kEdit});

    EXPECT_EQ(Create(kScreen, {0}, 4), nullptr) << "no window for that kind";
    EXPECT_EQ(collection_.GetNotes().size(), 1u);
}

TEST_F(NoteCollectionTest, ShowingAndAlertingBringTheNoteBackFromAnywhere) {
    FakeNoteWindow& crumpled = Add(kCrumpled);
    FakeNoteWindow& hidden = Add(kHidden);
    collection_.ShowNoteById(crumpled.Id());
    collection_.ShowNoteById(77);
    EXPECT_EQ(crumpled.GetNoteData().GetState(), kShown);
    EXPECT_EQ(factory_.desktop.back(), crumpled.Id());

    EXPECT_TRUE(collection_.AlertNote(hidden.Id()));
    EXPECT_FALSE(collection_.AlertNote(77));
    EXPECT_EQ(hidden.shake, std::make_tuple(true, 100, 10));
    EXPECT_TRUE(hidden.ringing);
    EXPECT_EQ(hidden.GetNoteData().GetState(), kShown);
    EXPECT_EQ(factory_.desktop.back(), hidden.Id());
}

TEST_F(NoteCollectionTest, ImportedNotesAreAlwaysShown) {
    test::TempDir folder;
    MessageNoteData saved;
    saved.SetText(u"body");
    saved.SetState(kHidden);
    ASSERT_TRUE(saved.SaveToFile(folder / "hidden.vesknote"));
    test::WriteBytes(folder / "old.vesknote", test::PreviousNoteFile({.flags = "2 0 0 0"}));
    test::WriteBytes(folder / "junk.vesknote", "not a note");

    ASSERT_TRUE(collection_.ImportNoteFile(folder / "hidden.vesknote"));
    ASSERT_TRUE(collection_.ImportNoteFile(folder / "old.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "junk.vesknote"));
    EXPECT_FALSE(collection_.ImportNoteFile(folder / "missing.vesknote"));
    EXPECT_EQ(factory_.desktop, (Ids{0, 1}));
    EXPECT_EQ(test::EachNote(collection_, [](auto& n) { return n.GetNoteData().GetState(); }),
              (States{kShown, kShown}));
    EXPECT_EQ(dynamic_cast<const MessageNoteData&>(collection_.Find(0)->GetNoteData()).GetText(),
              u"body");
    EXPECT_EQ(collection_.Find(1)->GetNoteData().GetTitle(), u"Old note");
}

// Shown, shown and shaded, hidden, hidden and shaded, crumpled and shaded,
// shown and staying on top.
class CollectionActionsTest : public NoteCollectionTest {
protected:
    void SetUp() override {
        using Note = std::tuple<std::int32_t, bool, int>;
        for (const auto& [state, shaded, onTop] :
             {Note{kShown, false, 0}, Note{kShown, true, 0}, Note{kHidden, false, 0},
              Note{kHidden, true, 0}, Note{kCrumpled, true, 0}, Note{kShown, false, 1}}) {
            notes_.push_back(&Add(state, shaded, onTop));
        }
    }
    template <typename Value>
    std::vector<Value> Each(Value FakeNoteWindow::*field) const {
        return test::EachNote(collection_, [field](FakeNoteWindow& note) { return note.*field; });
    }
    States StatesNow() const {
        return test::EachNote(collection_,
                              [](auto& note) { return note.GetNoteData().GetState(); });
    }

    std::vector<FakeNoteWindow*> notes_;
};

TEST_F(CollectionActionsTest, FrontBackAndSettingsSkipWhatTheyShould) {
    collection_.BringAllToFront();
    EXPECT_EQ(Each(&FakeNoteWindow::attentions), (std::vector{1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(factory_.desktop.back(), 5u);
    // Lowered one after the other, so the last one lowered is at the bottom;
    // the note that stays on top stays.
    collection_.SendAllToBack();
    EXPECT_EQ(factory_.desktop, (Ids{4, 3, 2, 1, 0, 5}));

    collection_.ApplySettingsToAll();
    EXPECT_EQ(Each(&FakeNoteWindow::settingsApplied), std::vector(6, 1));
    EXPECT_EQ(Each(&FakeNoteWindow::repaints), (std::vector{1, 1, 1, 1, 0, 1}))
        << "crumpled notes are not repainted";
}

// Hide all and show all on their own are the main commands' test.
TEST_F(CollectionActionsTest, ToggleShadeUnshadeAndCrumpleReachEachNoteOnce) {
    collection_.ToggleAll();
    EXPECT_EQ(StatesNow(), (States{kHidden, kHidden, kHidden, kHidden, kCrumpled, kHidden}));
    collection_.ToggleAll();
    EXPECT_EQ(StatesNow(), (States{kShown, kShown, kShown, kShown, kCrumpled, kShown}));
    for (const auto all :
         {&NoteCollection::ShadeAll, &NoteCollection::ShadeAll, &NoteCollection::UnshadeAll,
          &NoteCollection::UnshadeAll, &NoteCollection::CrumpleAll}) {
        (collection_.*all)();
    }
    const std::uint32_t s = NoteCommand::kShade, u = NoteCommand::kUnshade,
                        c = NoteCommand::kCrumple;
    EXPECT_EQ(Each(&FakeNoteWindow::commands),
              (std::vector<Commands>{{s, u, c}, {u, c}, {s, u, c}, {u, c}, {}, {s, u, c}}));
    EXPECT_EQ(StatesNow(), States(6, kCrumpled));
}

TEST_F(CollectionActionsTest, EmptyingTheWastebasketDestroysOnlyCrumpledNotes) {
    notes_[1]->GetNoteData().SetState(kCrumpled);
    collection_.EmptyWastebasket();
    EXPECT_EQ(factory_.desktop, (Ids{0, 2, 3, 5}));

    // Crumpling everything survives the wastebasket emptying after each crumple.
    for (NoteId id : factory_.desktop) {
        Fake(collection_.Find(id)).onCrumple = [this] { collection_.EmptyWastebasket(); };
    }
    collection_.CrumpleAll();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
    collection_.CrumpleAll();
}

}  // namespace
}  // namespace vesk
