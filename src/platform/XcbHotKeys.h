#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <map>
#include <vector>

#include "HotKeys.h"
#include "X11Keys.h"

namespace vesk::platform {

// Hot keys as key grabs on the X server's root windows, over the X
// connection of the running Qt application. On any other desktop (Wayland,
// the offscreen platform) no combination can be registered.
class XcbHotKeys final : public HotKeys, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit XcbHotKeys(QObject* parent = nullptr);
    ~XcbHotKeys() override;

    bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) override;
    bool UnregisterHotKey(int id) override;

private:
    struct Binding {
        std::uint32_t keysym = 0;
        std::uint16_t modifiers = 0;
        // The server's Num Lock bit when the grab was made.
        std::uint16_t numLock = 0;
        std::vector<xcb_keycode_t> keycodes;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    bool Grab(const Binding& binding);
    void Ungrab(const Binding& binding);
    // A grab must hold whatever the state of Caps Lock and Num Lock.
    static std::vector<std::uint16_t> LockVariants(const Binding& binding);

    xcb_connection_t* connection_ = nullptr;
    std::vector<xcb_window_t> roots_;
    std::map<int, Binding> bindings_;
};

}  // namespace vesk::platform
