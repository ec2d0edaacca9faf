#include "XcbHotKeys.h"

#include <xcb/xcb_keysyms.h>

#define XK_MISCELLANY
#include <X11/keysymdef.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace vesk::platform {

namespace {

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
XcbReply<T> Own(T* reply) {
    return XcbReply<T>(reply, &std::free);
}

xcb_connection_t* QtConnection() {
    if (qGuiApp == nullptr) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The modifier bit that a key sets, looked up in the server's modifier map.
std::uint16_t ModifierOf(xcb_key_symbols_t* symbols, const xcb_get_modifier_mapping_reply_t& map,
                         xcb_keysym_t keysym, std::uint16_t fallback) {
    const auto wanted = Own(xcb_key_symbols_get_keycode(symbols, keysym));
    if (!wanted) {
        return fallback;
    }
    const xcb_keycode_t* mapped = xcb_get_modifier_mapping_keycodes(&map);
    const int perModifier = map.keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = mapped[modifier * perModifier + i];
            for (const xcb_keycode_t* w = wanted.get(); code != 0 && *w != 0; ++w) {
                if (*w == code) {
                    return static_cast<std::uint16_t>(1U << modifier);
                }
            }
        }
    }
    return fallback;
}

X11ModifierMasks ReadModifierMasks(xcb_connection_t* connection, xcb_key_symbols_t* symbols) {
    X11ModifierMasks masks;
    const auto map = Own(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (map) {
        masks.alt = ModifierOf(symbols, *map, XK_Alt_L, masks.alt);
        masks.numLock = ModifierOf(symbols, *map, XK_Num_Lock, masks.numLock);
        masks.super = ModifierOf(symbols, *map, XK_Super_L, masks.super);
    }
    return masks;
}

}  // namespace

XcbHotKeys::XcbHotKeys(QObject* parent) : HotKeys(parent), connection_(QtConnection()) {
    if (connection_ == nullptr) {
        return;
    }
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)); screen.rem;
         xcb_screen_next(&screen)) {
        roots_.push_back(screen.data->root);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbHotKeys::~XcbHotKeys() {
    // After the application is gone its connection is closed, and the server
    // has dropped the grabs with it.
    if (connection_ == nullptr || qGuiApp == nullptr) {
        return;
    }
    for (const auto& [id, binding] : bindings_) {
        Ungrab(binding);
    }
    xcb_flush(connection_);
}

bool XcbHotKeys::RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    UnregisterHotKey(id);
    const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
    if (connection_ == nullptr || keysym == 0) {
        return false;
    }
    const auto symbols = std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)>(
        xcb_key_symbols_alloc(connection_), &xcb_key_symbols_free);
    const X11ModifierMasks masks = ReadModifierMasks(connection_, symbols.get());

    Binding binding{keysym, X11Modifiers(modifiers, masks), masks.numLock, {}};
    for (const auto& [otherId, other] : bindings_) {
        // The server would silently let one grab of ours replace the other.
        if (other.keysym == binding.keysym && other.modifiers == binding.modifiers) {
            return false;
        }
    }
    if (const auto codes = Own(xcb_key_symbols_get_keycode(symbols.get(), keysym))) {
        for (const xcb_keycode_t* code = codes.get(); *code != 0; ++code) {
            binding.keycodes.push_back(*code);
        }
    }
    if (binding.keycodes.empty() || !Grab(binding)) {
        return false;
    }
    bindings_.emplace(id, std::move(binding));
    return true;
}

bool XcbHotKeys::UnregisterHotKey(int id) {
    const auto found = bindings_.find(id);
    if (found == bindings_.end()) {
        return false;
    }
    Ungrab(found->second);
    xcb_flush(connection_);
    bindings_.erase(found);
    return true;
}

std::vector<std::uint16_t> XcbHotKeys::LockVariants(const Binding& binding) {
    const std::uint16_t plain = binding.modifiers;
    return {plain, static_cast<std::uint16_t>(plain | XCB_MOD_MASK_LOCK),
            static_cast<std::uint16_t>(plain | binding.numLock),
            static_cast<std::uint16_t>(plain | XCB_MOD_MASK_LOCK | binding.numLock)};
}

bool XcbHotKeys::Grab(const Binding& binding) {
    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_window_t root : roots_) {
        for (const xcb_keycode_t code : binding.keycodes) {
            for (const std::uint16_t modifiers : LockVariants(binding)) {
                // Not owner-events: the press comes to the root window even
                // when one of the program's own windows has the focus.
                cookies.push_back(xcb_grab_key_checked(connection_, 0, root, modifiers, code,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            }
        }
    }
    bool granted = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        // An error here is BadAccess: another client holds the combination.
        if (const auto error = Own(xcb_request_check(connection_, cookie))) {
            granted = false;
        }
    }
    if (!granted) {
        Ungrab(binding);
        xcb_flush(connection_);
    }
    return granted;
}

void XcbHotKeys::Ungrab(const Binding& binding) {
    for (const xcb_window_t root : roots_) {
        for (const xcb_keycode_t code : binding.keycodes) {
            for (const std::uint16_t modifiers : LockVariants(binding)) {
                xcb_ungrab_key(connection_, code, root, modifiers);
            }
        }
    }
}

bool XcbHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    constexpr std::uint16_t kKeyboardModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL |
                                                 XCB_MOD_MASK_1 | XCB_MOD_MASK_2 | XCB_MOD_MASK_3 |
                                                 XCB_MOD_MASK_4 | XCB_MOD_MASK_5;
    // Presses that reach one of the program's own windows while it holds the
    // keyboard (an open menu) count too: a hot key works there as well.
    for (const auto& [id, binding] : bindings_) {
        if ((press->state & kKeyboardModifiers & ~binding.numLock) != binding.modifiers) {
            continue;
        }
        for (const xcb_keycode_t code : binding.keycodes) {
            if (code == press->detail) {
                emit HotKeyPressed(id);
                return true;
            }
        }
    }
    return false;
}

}  // namespace vesk::platform
