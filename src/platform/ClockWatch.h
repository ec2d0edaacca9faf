#pragma once

#include <QObject>

namespace vesk::platform {

// Word that the wall clock jumped: it was set, or the computer woke from
// sleep (the event loop's timers count only the time awake), so that nobody
// has to poll for it. This base never reports anything.
class ClockWatch : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void ClockChanged();
};

}  // namespace vesk::platform
