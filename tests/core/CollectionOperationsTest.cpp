#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "FakeNoteWindow.h"

namespace vesk {
namespace {

using test::FakeNoteWindow;
using Commands = std::vector<std::uint32_t>;
using States = std::vector<std::int32_t>;

constexpr std::int32_t kShown = NoteData::kStateShown;
constexpr std::int32_t kHidden = NoteData::kStateHidden;
constexpr std::int32_t kCrumpled = NoteData::kStateWastebasket;

// Shown, shown and shaded, hidden, hidden and shaded, crumpled and shaded,
// shown and staying on top.
class CollectionOperationsTest : public testing::Test {
protected:
    void SetUp() override {
        using Note = std::tuple<std::int32_t, bool, int>;
        for (const auto& [state, shaded, onTop] :
             {Note{kShown, false, 0}, Note{kShown, true, 0}, Note{kHidden, false, 0},
              Note{kHidden, true, 0}, Note{kCrumpled, true, 0}, Note{kShown, false, 1}}) {
            notes_.push_back(&test::AddFakeNote(collection_, factory_, state, shaded, onTop));
        }
    }
    States StatesNow() const {
        States states;
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

TEST_F(CollectionOperationsTest, HideShowAndToggleLeaveTheWastebasketAlone) {
    const States allHidden{kHidden, kHidden, kHidden, kHidden, kCrumpled, kHidden};
    const States allShown{kShown, kShown, kShown, kShown, kCrumpled, kShown};
    collection_.HideAll();
    EXPECT_EQ(StatesNow(), allHidden);
    collection_.ShowAll();
    EXPECT_EQ(StatesNow(), allShown);
    EXPECT_EQ(notes_[4]->attentions, 0);

    collection_.ToggleAll();
    EXPECT_EQ(StatesNow(), allHidden);
    collection_.ToggleAll();
    EXPECT_EQ(StatesNow(), allShown);
    // One shown note among hidden ones: hiding wins.
    collection_.HideAll();
    notes_[2]->SetVisible(true);
    collection_.ToggleAll();
    EXPECT_EQ(StatesNow(), allHidden);
}

TEST_F(CollectionOperationsTest, BringToFrontRaisesOnlyShownNotes) {
    collection_.BringAllToFront();
    std::vector<int> attentions;
    for (const FakeNoteWindow* note : notes_) attentions.push_back(note->attentions);
    EXPECT_EQ(attentions, (std::vector{1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(factory_.desktop.back(), 5u);
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
}

TEST_F(CollectionOperationsTest, CrumpleAllSkipsTheWastebasket) {
    collection_.CrumpleAll();
    const Commands crumple{NoteCommand::kCrumple};
    EXPECT_EQ(SentCommands(),
              (std::vector<Commands>{crumple, crumple, crumple, crumple, {}, crumple}));
    EXPECT_EQ(StatesNow(), States(6, kCrumpled));
}

TEST_F(CollectionOperationsTest, CrumpleAllSurvivesTheWastebasketEmptyingAfterEachCrumple) {
    for (FakeNoteWindow* note : notes_) {
        note->onCrumple = [this] {
            collection_.EmptyWastebasketAfterCrumple(EmptyWastePolicy::Always);
        };
    }
    collection_.CrumpleAll();
    EXPECT_TRUE(collection_.GetNotes().empty());
    EXPECT_TRUE(factory_.desktop.empty());
    collection_.CrumpleAll();
}

TEST_F(CollectionOperationsTest, SendToBackLeavesNotesThatStayOnTop) {
    collection_.BringAllToFront();
    collection_.SendAllToBack();
    // Lowered one after the other, so the last one lowered is at the bottom.
    EXPECT_EQ(factory_.desktop, (std::vector<NoteId>{4, 3, 2, 1, 0, 5}));
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
