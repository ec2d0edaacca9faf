#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace vesk {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The handler may only do async-signal-safe work: it writes the signal's
// number into a pipe that the event loop watches.
int pipeEnds[2] = {-1, -1};
// What the signals did before, given back at the end.
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void WriteSignal(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
}

void InstallHandler() {
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previous[i]);
    }
}

void RestoreHandlers() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous[i], nullptr);
    }
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    // Without the pipe the signals keep their usual effect.
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    InstallHandler();
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    RestoreHandlers();
    notifier_.reset();
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::Drain() {
    unsigned char byte = 0;
    while (read(pipeEnds[0], &byte, 1) == 1) emit Received(byte);
}

}  // namespace vesk
