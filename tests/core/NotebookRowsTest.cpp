#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "FakeNoteWindow.h"
#include "NoteTestSupport.h"
#include "notebook/HtmlLayout.h"
#include "notebook/NoteFolderRows.h"
#include "notebook/NoteRowText.h"
#include "notebook/PreviewRecord.h"
#include "notes/MessageNoteData.h"
#include "notewnd/NoteHost.h"

namespace vesk {
namespace {

using Ids = std::vector<NoteId>;

TEST(NoteRowText, ShowsTitleDatesAndAlarmOrNone) {
    MessageNoteData note;
    note.SetTitle(u"Shopping");
    note.SetCreationTime(TextToTime(u"2007-03-14 09:00:00"));
    note.SetLastModified(TextToTime(u"2007-03-15 18:30:00"));
    EXPECT_EQ(BuildRowHtml(note, u"%m/%d/%Y"),
              u"<b>Shopping</b><br>03/14/2007, Modified 03/15/2007<br>Alarm: None");
    note.EnableAlarm(true);
    note.GetAlarm()->time = TextToTime(u"2007-03-20 14:05:00");
    EXPECT_EQ(BuildRowHtml(note, u"%d.%m.%Y"),
              u"<b>Shopping</b><br>14.03.2007, Modified 15.03.2007<br>Alarm: 20.03.2007, 02:05 PM");
}

// Every character 10 pixels wide, every line 16 high, in every style.
class EvenFonts : public StyledTextMeasurer, public TextMeasurer {
public:
    const TextMeasurer& ForStyle(unsigned) const override { return *this; }
    std::int32_t MeasureText(const std::u16string& text) const override {
        return static_cast<std::int32_t>(text.size()) * 10;
    }
    std::int32_t LineHeight() const override { return 16; }
};

// The words of each line of the laid-out row, those not bold in brackets.
std::vector<std::u16string> Lines(const std::u16string& row) {
    const HtmlLayout layout = LayOutHtml(row, 2000, HtmlFormat::kWordBreak, EvenFonts(), 0);
    std::vector<std::u16string> lines;
    std::int32_t end = 0;
    for (const HtmlRun& run : layout.runs) {
        const auto line = static_cast<std::size_t>(run.y / layout.lineHeight);
        lines.resize(std::max(lines.size(), line + 1));
        std::u16string word = row.substr(run.start, run.length);
        std::erase(word, u'\u2060');
        if ((run.style & HtmlStyle::kBold) == 0) word = u"(" + word + u")";
        // Words that touch were written without a blank between them.
        lines[line] += lines[line].empty() || run.x == end ? word : u" " + word;
        end = run.x + run.width;
    }
    return lines;
}

TEST(NoteRowText, TitleMarkupIsDrawnAsTyped) {
    MessageNoteData note;
    note.SetTitle(u"x < y <b>z</b> <br>w <3");
    EXPECT_EQ(Lines(BuildRowHtml(note, u"%Y"))[0], u"x < y <b>z</b> <br>w <3");
    EXPECT_EQ(Lines(BuildRowHtml(note, u"%Y")).size(), 3u);
    const ArchiveEntry entry{.title = u"a</b>b", .kind = 0, .path = {}, .fileTime = 0};
    EXPECT_EQ(Lines(BuildArchiveRowHtml(entry, u"%Y"))[0], u"a</b>b");
}

TEST(NoteRowText, IconByKindGreyedOffTheDesktop) {
    EXPECT_EQ(RowIconFor(NoteData::kMessage, NoteData::kStateShown), 0);
    EXPECT_EQ(RowIconFor(NoteData::kMessage, NoteData::kStateHidden), 1);
    EXPECT_EQ(RowIconFor(NoteData::kChecklist, NoteData::kStateShown), 2);
    EXPECT_EQ(RowIconFor(NoteData::kScribble, NoteData::kStateWastebasket), 5);
    EXPECT_EQ(RowIconFor(NoteData::kPicture, NoteData::kStateShown), 0);
}

// Records what the Notebook window would be told.
class RowLog : public NoteFolderRows::Listener {
public:
    void RowAdded(NotebookFolder folder, NoteId id) override { Log("add", folder, id); }
    void RowRemoved(NotebookFolder folder, std::size_t index, NoteId id) override {
        Log("remove " + std::to_string(index), folder, id);
    }
    void RowChanged(std::size_t index, NoteId id) override {
        Log("change " + std::to_string(index), NotebookFolder::Desktop, id);
    }
    void RowsCleared(NotebookFolder folder) override { Log("clear", folder, 0); }
    void NoteArchived(NoteId id) override { Log("archived", NotebookFolder::Archive, id); }

    std::vector<std::string> events;

private:
    void Log(const std::string& what, NotebookFolder folder, NoteId id) {
        events.push_back(what + " " + std::to_string(static_cast<int>(folder)) + " " +
                         std::to_string(id));
    }
};

class NoteFolderRowsTest : public testing::Test {
protected:
    // Four desktop notes with their rows, the listener attached afterwards.
    void SetUp() override {
        for (int i = 0; i < 4; ++i) {
            rows_.AddNoteRow(test::AddFakeNote(collection_, factory_, NoteData::kStateShown).Id());
        }
        rows_.SetListener(&log_);
    }

    test::FakeWindowFactory factory_;
    NoteCollection collection_{factory_};
    NoteFolderRows rows_{collection_};
    RowLog log_;
};

TEST_F(NoteFolderRowsTest, ChangesInPlaceArchivingStrayNoticesAndClearing) {
    rows_.OnNoteMoved(2, NotePlace::kShown, NotePlace::kHidden);
    rows_.OnNoteMoved(2, NotePlace::kHidden, NotePlace::kShown);
    rows_.OnNoteMoved(1, NotePlace::kShown, NotePlace::kArchived);
    // No row where the notices say the notes were: nothing happens.
    rows_.OnNoteMoved(0, NotePlace::kWastebasket, NotePlace::kShown);
    rows_.OnNoteMoved(9, NotePlace::kShown, NotePlace::kWastebasket);
    rows_.OnNoteMoved(0, NotePlace::kArchived, NotePlace::kShown);
    EXPECT_EQ(log_.events, (std::vector<std::string>{"change 2 0 2", "change 2 0 2", "remove 1 0 1",
                                                     "archived 1 1"}));
    EXPECT_EQ(rows_.Desktop(), (Ids{0, 2, 3}));

    // A crumple as the window does it: the record, then the notice.
    collection_.Find(0)->GetNoteData().SetState(NoteData::kStateWastebasket);
    rows_.OnNoteMoved(0, NotePlace::kShown, NotePlace::kWastebasket);
    EXPECT_EQ(rows_.Wastebasket(), Ids{0});
    rows_.ClearWastebasketList();
    EXPECT_TRUE(rows_.Wastebasket().empty());
    EXPECT_EQ(rows_.Desktop(), (Ids{2, 3}));
    rows_.ClearNoteLists();
    EXPECT_TRUE(rows_.Desktop().empty());
}

TEST(PreviewRecord, CopiesContentAndShowsItRolledDownWithTitle) {
    MessageNoteData note;
    note.SetTitle(u"Plan");
    note.SetText(u"first\nsecond");
    note.SetState(NoteData::kStateWastebasket);
    note.SetShaded(true);
    note.SetShowTitle(false);
    note.SetStayOnTop(1);
    note.EnableAlarm(true);
    const auto copy = MakePreviewRecord(note);
    ASSERT_NE(copy, nullptr);
    copy->SetTitle(u"changed in the preview");
    EXPECT_EQ(note.GetTitle(), u"Plan");
    EXPECT_EQ(dynamic_cast<MessageNoteData&>(*copy).GetText(), u"first\nsecond");
    EXPECT_EQ(std::tuple(copy->GetAlarm() != nullptr, copy->GetState(), copy->IsShaded(),
                         copy->GetShowTitle(), copy->GetStayOnTop()),
              std::tuple(true, NoteData::kStateShown, false, true, 0));
}

}  // namespace
}  // namespace vesk
