#include <gtest/gtest.h>

#include <vector>

#include "FakeNoteWindow.h"
#include "notes/NoteCollection.h"

namespace vesk {
namespace {

using test::AddFakeNote;
using test::FakeNoteWindow;
using Commands = std::vector<std::uint32_t>;

// A desktop of every kind of case: shown, shown and shaded, hidden, hidden
// and shaded, crumpled and shaded, shown and staying on top.
class CollectionOperationsTest : public testing::Test {
protected:
    void SetUp() override {
        notes_ = {&Add(NoteData::kStateShown),
                  &Add(NoteData::kStateShown, true),
                  &Add(NoteData::kStateHidden),
                  &Add(NoteData::kStateHidden, true),
                  &Add(NoteData::kStateWastebasket, true),
                  &Add(NoteData::kStateShown, false, 1)};
    }
    FakeNoteWindow& Add(std::int32_t state, bool shaded = false, int stayOnTop = 0) {
        return AddFakeNote(collection_, factory_, state, shaded, stayOnTop);
    }
    std::vector<std::int32_t> States() const {
        std::vector<std::int32_t> states;
        for (const FakeNoteWindow* note : notes_) states.push_back(note->GetNoteData().GetState());
        return states;
    }
    std::vector<Commands> SentCommands() const {
        std::vector<Commands> commands;
        for (const FakeNoteWindow* note : notes_) commands.push_back(note->commands);
        return commands;
    }

    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
    std::vector<FakeNoteWindow*> notes_;
};

constexpr std::int32_t kShown = NoteData::kStateShown;
constexpr std::int32_t kHidden = NoteData::kStateHidden;
constexpr std::int32_t kCrumpled = NoteData::kStateWastebasket;

TEST_F(CollectionOperationsTest, HideAndShowLeaveTheWastebasketAlone) {
    collection_.HideAll();
    EXPECT_EQ(States(), (std::vector{kHidden, kHidden, kHidden, kHidden, kCrumpled, kHidden}));
    collection_.ShowAll();
    EXPECT_EQ(States(), (std::vector{kShown, kShown, kShown, kShown, kCrumpled, kShown}));
    EXPECT_FALSE(notes_[4]->visible);
    EXPECT_EQ(notes_[4]->attentions, 0);
}

TEST_F(CollectionOperationsTest, BringToFrontRaisesOnlyShownNotes) {
    collection_.BringAllToFront();
    for (std::size_t i = 0; i < notes_.size(); ++i) {
        EXPECT_EQ(notes_[i]->attentions, States()[i] == kShown ? 1 : 0) << i;
    }
    EXPECT_EQ(factory_.desktop.stack.back(), notes_[5]->Id());
}

TEST_F(CollectionOperationsTest, ToggleHidesTheShownOrShowsTheHidden) {
    collection_.ToggleAll();
    EXPECT_EQ(States(), (std::vector{kHidden, kHidden, kHidden, kHidden, kCrumpled, kHidden}));
    collection_.ToggleAll();
    EXPECT_EQ(States(), (std::vector{kShown, kShown, kShown, kShown, kCrumpled, kShown}));

    // One shown among hidden ones: hiding wins.
    collection_.HideAll();
    notes_[2]->SetVisible(true);
    collection_.ToggleAll();
    EXPECT_EQ(States(), (std::vector{kHidden, kHidden, kHidden, kHidden, kCrumpled, kHidden}));
}

TEST_F(CollectionOperationsTest, ShadeAndUnshadeReachEachNoteOnce) {
    using NoteCommand::kShade;
    using NoteCommand::kUnshade;
    collection_.ShadeAll();
    collection_.ShadeAll();
    EXPECT_EQ(SentCommands(), (std::vector<Commands>{{kShade}, {}, {kShade}, {}, {}, {kShade}}));
    collection_.UnshadeAll();
    collection_.UnshadeAll();
    EXPECT_EQ(SentCommands(), (std::vector<Commands>{{kShade, kUnshade},
                                                     {kUnshade},
                                                     {kShade, kUnshade},
                                                     {kUnshade},
                                                     {},
                                                     {kShade, kUnshade}}));
    EXPECT_TRUE(notes_[4]->GetNoteData().IsShaded()) << "crumpled notes keep their shade";
}

TEST_F(CollectionOperationsTest, CrumpleAllSurvivesTheWastebasketEmptyingOnEachCrumple) {
    for (FakeNoteWindow* note : notes_) {
        note->onCrumple = [this] {
            collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Always);
        };
    }
    collection_.CrumpleAll();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.alive.empty());

    collection_.CrumpleAll();
}

TEST_F(CollectionOperationsTest, CrumpleAllSkipsTheWastebasket) {
    collection_.CrumpleAll();
    const Commands crumple{NoteCommand::kCrumple};
    EXPECT_EQ(SentCommands(),
              (std::vector<Commands>{crumple, crumple, crumple, crumple, {}, crumple}));
    EXPECT_EQ(States(), std::vector<std::int32_t>(6, kCrumpled));
}

TEST_F(CollectionOperationsTest, SendToBackLeavesNotesThatStayOnTop) {
    collection_.BringAllToFront();
    collection_.SendAllToBack();
    // Each is lowered in turn, so the last one lowered ends at the bottom.
    EXPECT_EQ(factory_.desktop.stack, (std::vector<NoteId>{4, 3, 2, 1, 0, 5}));
}

TEST_F(CollectionOperationsTest, SettingsReachEveryNoteButCrumpledOnesAreNotRepainted) {
    collection_.ApplySettingsToAll();
    for (std::size_t i = 0; i < notes_.size(); ++i) {
        EXPECT_EQ(notes_[i]->settingsApplied, 1) << i;
        EXPECT_EQ(notes_[i]->repaints, i == 4 ? 0 : 1) << i;
    }
}

}  // namespace
}  // namespace vesk
