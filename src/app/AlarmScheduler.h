#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/AlarmQueue.h"
#include "notes/NoteCollection.h"

namespace vesk {

namespace platform {
class ClockWatch;
}

// The pending alarms and the one timer that fires them. The timer is set for
// the second of the earliest alarm, or a minute ahead when that is later,
// and set again whenever the alarms change or the wall clock jumps; an idle
// program with no alarm due soon wakes once a minute. The alarms follow the
// notes of the collection it watches: a note's alarm is scheduled as the
// note arrives and goes with it.
class AlarmScheduler : public QObject, public CollectionWatcher {
public:
    // Milliseconds since 1970 by the wall clock.
    using Clock = std::function<std::int64_t()>;

    // clockWatch may be null: jumps are then caught up with at the next
    // check.
    AlarmScheduler(AlarmOwner& owner, platform::ClockWatch* clockWatch, Clock clock = WallClock());

    void Schedule(std::uint32_t noteId, const AlarmData* alarm);
    void Unschedule(std::uint32_t noteId);
    // The timer runs only between Start and Stop: alarms scheduled before
    // wait for the start.
    void Start();
    void Stop();
    // Fires what is due now, then sets the timer for the next check.
    void CheckDue();

    std::optional<TimeValue> NextDue() const { return queue_.NextDue(); }
    // Milliseconds the timer was last set to wait; none while it is stopped.
    std::optional<int> ArmedWait() const;

    void NoteAdded(NoteId id, NoteWindow& window) override;
    void NoteRemoved(NoteId id) override;

    static Clock WallClock();

private:
    void Arm();

    AlarmQueue queue_;
    Clock clock_;
    QTimer timer_;
    bool started_ = false;
};

}  // namespace vesk
