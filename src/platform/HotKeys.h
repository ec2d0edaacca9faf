#pragma once

#include <QObject>

namespace vesk::platform {

// The program's modifier bits of a hot key.
inline constexpr unsigned kModShift = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModAlt = 4;
inline constexpr unsigned kModWindows = 32;

// System-wide hot keys: a key combination pressed anywhere on the desktop
// reaches the program as HotKeyPressed with the id it was registered under.
class HotKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // virtualKey is a Windows virtual-key code, modifiers the bits above.
    // Registering an id again replaces its combination. False when the
    // combination is not available: an unknown key, a combination that this
    // or another program already holds, or a desktop without global keys.
    virtual bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) = 0;
    // False when the id was not registered.
    virtual bool UnregisterHotKey(int id) = 0;

signals:
    void HotKeyPressed(int id);
};

}  // namespace vesk::platform
