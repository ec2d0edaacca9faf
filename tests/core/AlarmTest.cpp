#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "TestSupport.h"
#include "app/AlarmData.h"
#include "app/AlarmQueue.h"

namespace vesk {
namespace {

using test::Xml;
using Ids = std::vector<std::uint32_t>;

TEST(AlarmDataTest, NoTimeMarkIsEveryTimeOnTenJune1985LocalTime) {
    for (const char* zone : {"UTC0", "EST5EDT,M3.2.0,M11.1.0", "NZST-12NZDT,M9.5.0,M4.1.0/3"}) {
        test::ScopedTimeZone timeZone(zone);
        EXPECT_EQ(TimeToText(AlarmData().time), u"1985-06-10 00:00:00") << zone;
        for (const auto& [text, hasTime] : {std::pair{u"1985-06-10 00:00:00", false},
                                            {u"1985-06-10 23:59:59", false},
                                            {u"1985-06-11 00:00:00", true}}) {
            EXPECT_EQ((AlarmData{TextToTime(text), 0, u""}.HasTime()), hasTime) << zone;
        }
    }
}

// A full alarm's round trip goes with the note files; these are the parts
// left out or read by their own rules.
TEST(AlarmDataTest, ElementLeavesOutWhatIsUnsetAndReadsOnlyItsLiterals) {
    XMLElement behavior(u"behavior");
    // No time child on the mark's day, no repeat for an unknown one, no sound.
    AlarmData{AlarmData::NoTimeMark() + 3600, 7, u""}.SaveToElement(behavior);
    const XMLElement& written = *behavior.FindChild(u"alarm");
    EXPECT_TRUE(written.Children().empty());
    EXPECT_TRUE(written.Attributes().empty());
    AlarmData read{0, 2, u"left over"};
    read.LoadFromElement(written);
    EXPECT_EQ(read, (AlarmData{AlarmData::NoTimeMark(), 0, u""}));

    for (const std::u16string text : {u"Once", u"LOOP", u"1", u""}) {
        read.repeat = 2;
        read.LoadFromElement(Xml(u"<alarm repeat=\"" + text + u"\"/>"));
        EXPECT_EQ(read.repeat, AlarmData::kRepeatNone);
    }
    // A short time text is time 0, due at once.
    read.LoadFromElement(Xml(u"<alarm repeat=\"loop\"><time>2007-02-01</time></alarm>"));
    EXPECT_EQ(read.time, 0);
    EXPECT_EQ(read.repeat, AlarmData::kRepeatLoop);
}

class AlarmQueueTest : public ::testing::Test, public AlarmOwner {
protected:
    void OnAlarmDue(std::uint32_t noteId) override {
        fired_.push_back(noteId);
        if (onDue_) onDue_(noteId);
    }
    void Schedule(std::uint32_t noteId, TimeValue time) {
        const AlarmData alarm{time, AlarmData::kRepeatNone, u""};
        queue_.Schedule(noteId, &alarm);
    }

    Ids fired_;
    std::function<void(std::uint32_t)> onDue_;
    AlarmQueue queue_{*this};
};

TEST_F(AlarmQueueTest, TheNextCheckComesAtTheEarliestSecondAndFiresWhatIsDue) {
    constexpr std::int64_t kMinute = AlarmQueue::kLongestWaitMs;
    const std::int64_t now = 1'000'000'250;  // a quarter into second 1,000,000
    queue_.Schedule(9, nullptr);             // a note without an alarm
    EXPECT_EQ(queue_.MsUntilNextCheck(now), kMinute);
    for (const auto& [id, time] :
         {std::pair{1, 1'000'100}, {2, 1'000'030}, {3, 1'000'000}, {4, 0}, {5, 1'000'000}}) {
        Schedule(id, time);
    }
    EXPECT_EQ(queue_.NextDue(), 0);
    EXPECT_EQ(queue_.MsUntilNextCheck(now), 0);
    queue_.CheckDue(now / 1000);
    queue_.CheckDue(now / 1000);  // fired entries are gone
    EXPECT_EQ(fired_, (Ids{4, 3, 5}));
    EXPECT_EQ(queue_.MsUntilNextCheck(now), 29'750);
    queue_.Unschedule(2);
    EXPECT_EQ(queue_.MsUntilNextCheck(now), kMinute);

    // Times a file may hold, however absurd, give a wait in range.
    Schedule(6, INT64_MAX);
    EXPECT_EQ(queue_.MsUntilNextCheck(now), kMinute);
    Schedule(7, INT64_MIN);
    EXPECT_EQ(queue_.MsUntilNextCheck(now), 0);
}

TEST_F(AlarmQueueTest, UnscheduledAlarmsNeverFireAndOnlyTheEarliestOfANoteGoes) {
    Schedule(7, 200);
    Schedule(8, 150);
    Schedule(7, 100);
    EXPECT_TRUE(queue_.Unschedule(7));
    EXPECT_FALSE(queue_.Unschedule(42));
    EXPECT_EQ(queue_.NextDue(), 150);
    EXPECT_TRUE(queue_.Unschedule(8));
    queue_.CheckDue(1000);
    EXPECT_EQ(fired_, (Ids{7}));
    EXPECT_EQ(queue_.NextDue(), std::nullopt);
}

TEST_F(AlarmQueueTest, OwnerMayChangeTheQueueWhileAnAlarmFires) {
    for (std::uint32_t id : {1, 2, 3}) Schedule(id, 100);
    onDue_ = [this](std::uint32_t noteId) {
        if (noteId != 1) return;
        queue_.Unschedule(2);
        Schedule(4, 50);   // already due: fires in this check
        Schedule(5, 500);  // not yet due
    };
    queue_.CheckDue(100);
    EXPECT_EQ(fired_, (Ids{1, 4, 3}));
    queue_.CheckDue(500);
    EXPECT_EQ(fired_.back(), 5u);
}

}  // namespace
}  // namespace vesk
