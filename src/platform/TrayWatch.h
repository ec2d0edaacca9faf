#pragma once

#include <QObject>

namespace vesk::platform {

// Word that the desktop's tray came or went, so that nobody has to poll for
// it. Emitted once the toolkit has taken the change in.
class TrayWatch : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void TrayChanged();
};

}  // namespace vesk::platform
