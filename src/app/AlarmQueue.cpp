#include "app/AlarmQueue.h"

#include <algorithm>

namespace vesk {

void AlarmQueue::Schedule(std::uint32_t noteId, const AlarmData* alarm) {
    if (alarm != nullptr) {
        entries_.emplace(alarm->time, noteId);
    }
}

bool AlarmQueue::Unschedule(std::uint32_t noteId) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->second == noteId) {
            entries_.erase(it);
            return true;
        }
    }
    return false;
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

std::optional<TimeValue> AlarmQueue::NextDue() const {
    if (entries_.empty()) {
        return std::nullopt;
    }
    return entries_.begin()->first;
}

std::int64_t AlarmQueue::MsUntilNextCheck(std::int64_t nowMs) const {
    constexpr std::int64_t kMsPerSecond = 1000;
    const std::int64_t nowSeconds = nowMs / kMsPerSecond;
    const std::optional<TimeValue> due = NextDue();
    // Compared in seconds first: times far off either way would overflow in
    // milliseconds.
    if (!due || *due > nowSeconds + kLongestWaitMs / kMsPerSecond) {
        return kLongestWaitMs;
    }
    if (*due <= nowSeconds) {
        return 0;
    }
    return std::min(*due * kMsPerSecond - nowMs, kLongestWaitMs);
}

}  // namespace vesk
