#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "app/AlarmQueue.h"

namespace vesk {
namespace {

class RecordingOwner : public AlarmOwner {
public:
    void OnAlarmDue(std::uint32_t noteId) override {
        fired.push_back(noteId);
        if (onDue) onDue(noteId);
    }
    std::vector<std::uint32_t> fired;
    std::function<void(std::uint32_t)> onDue;
};

AlarmData AlarmAt(TimeValue time) {
    AlarmData alarm;
    alarm.time = time;
    return alarm;
}

class AlarmQueueTest : public ::testing::Test {
protected:
    void Schedule(std::uint32_t noteId, TimeValue time) {
        const AlarmData alarm = AlarmAt(time);
        queue_.Schedule(noteId, &alarm);
    }

    RecordingOwner owner_;
    AlarmQueue queue_{owner_};
};

TEST_F(AlarmQueueTest, DueAlarmsFireEarliestFirstAndEqualTimesInScheduleOrder) {
    Schedule(1, 300);
    Schedule(2, 100);
    Schedule(3, 200);
    Schedule(4, 100);
    Schedule(5, 400);

    queue_.CheckDue(99);
    EXPECT_TRUE(owner_.fired.empty());
    queue_.CheckDue(300);
    EXPECT_EQ(owner_.fired, (std::vector<std::uint32_t>{2, 4, 3, 1}));
    // Fired entries are gone; the later one waits for its time.
    queue_.CheckDue(300);
    EXPECT_EQ(owner_.fired.size(), 4u);
    queue_.CheckDue(1000);
    EXPECT_EQ(owner_.fired.back(), 5u);
}

TEST_F(AlarmQueueTest, UnscheduleRemovesOnlyTheEarliestEntryOfThatNote) {
    Schedule(7, 200);
    Schedule(8, 150);
    Schedule(7, 100);
    queue_.Unschedule(7);
    queue_.Unschedule(42);
    queue_.CheckDue(1000);
    EXPECT_EQ(owner_.fired, (std::vector<std::uint32_t>{8, 7}));
}

TEST_F(AlarmQueueTest, OnlyNotesWithAnAlarmAreScheduled) {
    queue_.Schedule(3, nullptr);
    // An alarm whose time could not be read holds time 0, long past.
    const AlarmData unread = AlarmAt(0);
    queue_.Schedule(9, &unread);
    queue_.CheckDue();
    EXPECT_EQ(owner_.fired, std::vector<std::uint32_t>{9});
}

TEST_F(AlarmQueueTest, OwnerMayChangeTheQueueWhileAnAlarmFires) {
    Schedule(1, 100);
    Schedule(2, 100);
    Schedule(3, 100);
    owner_.onDue = [this](std::uint32_t noteId) {
        if (noteId == 1) {
            queue_.Unschedule(2);
            Schedule(4, 50);   // already due: fires in this check
            Schedule(5, 500);  // not yet due
        }
    };
    queue_.CheckDue(100);
    EXPECT_EQ(owner_.fired, (std::vector<std::uint32_t>{1, 4, 3}));
    queue_.CheckDue(500);
    EXPECT_EQ(owner_.fired.back(), 5u);
}

}  // namespace
}  // namespace vesk
