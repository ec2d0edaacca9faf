#include "app/AlarmScheduler.h"

#include <QDateTime>
#include <utility>

#include "platform/ClockWatch.h"

namespace vesk {

namespace {
constexpr std::int64_t kMsPerSecond = 1000;
}  // namespace

AlarmScheduler::AlarmScheduler(AlarmOwner& owner, platform::ClockWatch* clockWatch, Clock clock)
    : queue_(owner), clock_(std::move(clock)) {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % late: 3 s on a minute's wait.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AlarmScheduler::CheckDue);
    if (clockWatch != nullptr) {
        connect(clockWatch, &platform::ClockWatch::ClockChanged, this, &AlarmScheduler::Arm);
    }
}

AlarmScheduler::Clock AlarmScheduler::WallClock() {
    return [] { return QDateTime::currentMSecsSinceEpoch(); };
}

void AlarmScheduler::Schedule(std::uint32_t noteId, const AlarmData* alarm) {
    if (alarm == nullptr) {
        return;
    }
    queue_.Schedule(noteId, alarm);
    Arm();
}

void AlarmScheduler::Unschedule(std::uint32_t noteId) {
    if (queue_.Unschedule(noteId)) {
        Arm();
    }
}

void AlarmScheduler::Start() {
    started_ = true;
    Arm();
}

void AlarmScheduler::Stop() {
    started_ = false;
    timer_.stop();
}

void AlarmScheduler::CheckDue() {
    // Fired early by a clock that runs ahead of the wall clock, the check
    // finds nothing due and waits out the rest.
    queue_.CheckDue(clock_() / kMsPerSecond);
    Arm();
}

std::optional<int> AlarmScheduler::ArmedWait() const {
    if (!timer_.isActive()) {
        return std::nullopt;
    }
    return timer_.interval();
}

void AlarmScheduler::NoteAdded(NoteId id, NoteWindow& window) {
    Schedule(id, window.GetNoteData().GetAlarm());
}

void AlarmScheduler::NoteRemoved(NoteId id) { Unschedule(id); }

void AlarmScheduler::Arm() {
    if (started_) {
        timer_.start(static_cast<int>(queue_.MsUntilNextCheck(clock_())));
    }
}

}  // namespace vesk
