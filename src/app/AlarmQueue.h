#pragma once

#include <cstdint>
#include <map>

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
    explicit AlarmQueue(AlarmOwner& owner) : owner_(owner) {}

    // Adds an entry when the note has an alarm (a null alarm adds nothing).
    void Schedule(std::uint32_t noteId, const AlarmData* alarm);
    // Removes the earliest entry of that note, if any.
    void Unschedule(std::uint32_t noteId);
    // Hands every entry not later than now to the owner, earliest first and
    // equal times in the order they were scheduled, removing each.
    void CheckDue(TimeValue now = Now());

private:
    AlarmOwner& owner_;
    // A multimap keeps equal times in insertion order.
    std::multimap<TimeValue, std::uint32_t> entries_;
};

}  // namespace vesk
