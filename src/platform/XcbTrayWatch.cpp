#include "XcbTrayWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace vesk::platform {

namespace {

xcb_connection_t* QtConnection() {
    if (qGuiApp == nullptr) return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name) {
    auto* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_window_t Owner(xcb_connection_t* connection, xcb_atom_t selection) {
    auto* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const xcb_window_t owner = reply != nullptr ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
    std::free(reply);
    return owner;
}

}  // namespace

XcbTrayWatch::XcbTrayWatch(QObject* parent) : TrayWatch(parent), connection_(QtConnection()) {
    if (connection_ == nullptr) return;
    // Qt listens to the root windows' structure events, which carry the
    // announcements of new trays.
    manager_ = Atom(connection_, "MANAGER");
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection_));
    for (int screen = 0; screen < screens; ++screen) {
        selections_.push_back(Atom(connection_, "_NET_SYSTEM_TRAY_S" + std::to_string(screen)));
        owners_.push_back(Owner(connection_, selections_.back()));
        WatchOwner(owners_.back());
    }
    xcb_flush(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbTrayWatch::~XcbTrayWatch() {
    if (connection_ != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool XcbTrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
        case XCB_CLIENT_MESSAGE: {
            const auto* client = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (client->type != manager_ || client->format != 32) break;
            const auto selection =
                std::find(selections_.begin(), selections_.end(), client->data.data32[1]);
            if (selection == selections_.end()) break;
            const xcb_window_t owner = client->data.data32[2];
            owners_[static_cast<std::size_t>(selection - selections_.begin())] = owner;
            WatchOwner(owner);
            xcb_flush(connection_);
            ReportLater();
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
            const auto owner = std::find(owners_.begin(), owners_.end(), destroyed->window);
            if (owner == owners_.end()) break;
            *owner = XCB_WINDOW_NONE;
            ReportLater();
            break;
        }
        default:
            break;
    }
    return false;
}

void XcbTrayWatch::WatchOwner(xcb_window_t owner) {
    if (owner == XCB_WINDOW_NONE) return;
    // The same mask Qt sets on the tray window from this connection.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, owner, XCB_CW_EVENT_MASK, &mask);
}

void XcbTrayWatch::ReportLater() {
    QMetaObject::invokeMethod(this, &TrayWatch::TrayChanged, Qt::QueuedConnection);
}

}  // namespace vesk::platform
