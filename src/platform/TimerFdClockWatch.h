#pragma once

#include <QSocketNotifier>
#include <memory>

#include "ClockWatch.h"

namespace vesk::platform {

// A Linux timer on the wall clock that never expires but is cancelled
// whenever the clock is set or the computer resumes; the cancellation makes
// its file readable, which the event loop watches.
class TimerFdClockWatch final : public ClockWatch {
    Q_OBJECT

public:
    explicit TimerFdClockWatch(QObject* parent = nullptr);
    ~TimerFdClockWatch() override;

private:
    bool Arm();
    void OnReadable();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vesk::platform
