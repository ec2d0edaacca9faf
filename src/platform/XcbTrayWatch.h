#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <vector>

#include "TrayWatch.h"

namespace vesk::platform {

// Follows the selections that trays own ("_NET_SYSTEM_TRAY_S<screen>"), over
// the X connection of the running Qt application: a new owner announces
// itself to the root window, and a tray that ends destroys its window. On
// any other desktop nothing is ever reported.
class XcbTrayWatch final : public TrayWatch, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit XcbTrayWatch(QObject* parent = nullptr);
    ~XcbTrayWatch() override;

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // Asks for the owner's end to be reported.
    void WatchOwner(xcb_window_t owner);
    // Qt follows the tray from the same events, after this filter: the
    // news goes out once it has.
    void ReportLater();

    xcb_connection_t* connection_ = nullptr;
    xcb_atom_t manager_ = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> selections_;
    std::vector<xcb_window_t> owners_;
};

}  // namespace vesk::platform
