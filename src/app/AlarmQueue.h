#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "app/AlarmData.h"
#include "xml/TextForms.h"

namespace vesk {

// Receives the note ids of alarms as they fall due. The main frame
// implements it by alerting the note.
class AlarmOwner {
public:
    virtual void OnAlarmDue(std::uint32_t noteId) = 0;

protected:
    ~AlarmOwner() = default;
};

// The pending alarms of all notes in time order. It is not stored: it is
// rebuilt from the notes at every start.
class AlarmQueue {
public:
    // The longest wait between two checks. The wait for an alarm is measured
    // on a clock that may drift from the wall clock, or stand still while the
    // computer sleeps; checking at least this often bounds the error.
    static constexpr std::int64_t kLongestWaitMs = 60'000;

    explicit AlarmQueue(AlarmOwner& owner) : owner_(owner) {}

    // Adds an entry when the note has an alarm (a null alarm adds nothing).
    void Schedule(std::uint32_t noteId, const AlarmData* alarm);
    // Removes the earliest entry of that note; false when it had none.
    bool Unschedule(std::uint32_t noteId);
    // Hands every entry not later than now to the owner, earliest first and
    // equal times in the order they were scheduled, removing each.
    void CheckDue(TimeValue now = Now());

    // The time of the earliest entry; none when nothing is pending.
    std::optional<TimeValue> NextDue() const;
    // How long from nowMs (milliseconds since 1970) the next check should
    // wait: until the earliest entry's second begins, 0 when it has, and
    // never longer than kLongestWaitMs.
    std::int64_t MsUntilNextCheck(std::int64_t nowMs) const;

private:
    AlarmOwner& owner_;
    // A multimap keeps equal times in insertion order.
    std::multimap<TimeValue, std::uint32_t> entries_;
};

}  // namespace vesk
