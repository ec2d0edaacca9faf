#include "TimerFdClockWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>

namespace vesk::platform {

TimerFdClockWatch::TimerFdClockWatch(QObject* parent) : ClockWatch(parent) {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    // Without the watch, the alarms still catch up within their longest wait.
    if (!Arm()) {
        close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TimerFdClockWatch::OnReadable);
}

TimerFdClockWatch::~TimerFdClockWatch() {
    notifier_.reset();
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool TimerFdClockWatch::Arm() {
    itimerspec never{};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max();
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

void TimerFdClockWatch::OnReadable() {
    std::uint64_t expirations = 0;
    // A cancelled timer fails the read once and must be armed again.
    if (read(fd_, &expirations, sizeof expirations) < 0 && errno == ECANCELED) {
        Arm();
        emit ClockChanged();
    }
}

}  // namespace vesk::platform
