#include "app/AlarmQueue.h"

namespace vesk {

void AlarmQueue::Schedule(std::uint32_t noteId, const AlarmData* alarm) {
    if (alarm != nullptr) {
        entries_.emplace(alarm->time, noteId);
    }
}

void AlarmQueue::Unschedule(std::uint32_t noteId) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->second == noteId) {
            entries_.erase(it);
            return;
        }
    }
}

void AlarmQueue::CheckDue(TimeValue now) {
    // Each entry leaves the queue before the owner hears of it, so the owner
    // may schedule, unschedule or check again from inside the call.
    while (!entries_.empty() && entries_.begin()->first <= now) {
        const std::uint32_t noteId = entries_.begin()->second;
        entries_.erase(entries_.begin());
        owner_.OnAlarmDue(noteId);
    }
}

}  // namespace vesk
