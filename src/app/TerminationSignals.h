#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace vesk {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C, a closed
// terminal) into a signal on the user-interface thread, so the program can
// save and end with no one left to ask. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // Gives the signals back their earlier handling.
    ~TerminationSignals() override;

signals:
    void Received(int signalNumber);

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vesk
