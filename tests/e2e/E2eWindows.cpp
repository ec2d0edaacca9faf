// Looks at the X display's windows for the end-to-end scenarios and the
// start-up measurements. Every question is asked for all windows at once
// (xcb sends the requests before it waits for any reply), so a look stays
// quick with a thousand notes on the desktop.
//
//   vesk_e2e_windows count <title>           viewable windows with that title
//   vesk_e2e_windows tray-icon               centre "x y" of the program's tray icon
//   vesk_e2e_windows wait <notes> <seconds>  until the window manager lists that
//                                            many note windows (the root's
//                                            _NET_CLIENT_LIST) and all are viewable
//   vesk_e2e_windows clients                 how many windows the window manager lists
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

// The program's note windows and its tray icon carry these titles.
constexpr const char* kNoteTitle = "vesknote";
constexpr const char* kTrayTitle = "vesknotes";
// A tray icon is small; the program's menus share its title but not its size.
constexpr int kLargestTrayIcon = 64;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

struct Window {
    xcb_window_t id;
    xcb_window_t parent;
    bool viewable = false;
    std::string title;
};

class Display {
public:
    Display()
        : connection_(xcb_connect(nullptr, nullptr)),
          netWmName_(Atom("_NET_WM_NAME", XCB_ATOM_WM_NAME)),
          clientList_(Atom("_NET_CLIENT_LIST", XCB_ATOM_NONE)) {}
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool Ok() const { return xcb_connection_has_error(connection_) == 0; }
    xcb_window_t Root() const {
        return xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }

    std::vector<Window> Windows() const {
        std::vector<Window> all;
        std::vector<xcb_window_t> level{Root()};
        while (!level.empty()) {
            std::vector<xcb_query_tree_cookie_t> cookies;
            for (const xcb_window_t window : level)
                cookies.push_back(xcb_query_tree(connection_, window));
            std::vector<xcb_window_t> next;
            for (std::size_t i = 0; i < level.size(); ++i) {
                const auto tree = Own(xcb_query_tree_reply(connection_, cookies[i], nullptr));
                if (!tree) continue;
                const xcb_window_t* children = xcb_query_tree_children(tree.get());
                for (int c = 0; c < xcb_query_tree_children_length(tree.get()); ++c) {
                    all.push_back({children[c], level[i], false, {}});
                    next.push_back(children[c]);
                }
            }
            level = std::move(next);
        }
        Describe(all);
        return all;
    }

    // The top-level windows that the window manager manages, in the order it
    // took them on.
    std::vector<Window> Clients() const {
        std::vector<Window> clients;
        if (clientList_ == XCB_ATOM_NONE) return clients;
        const auto list = Own(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, Root(), clientList_, XCB_ATOM_WINDOW, 0, 1u << 20),
            nullptr));
        if (!list || list->format != 32) return clients;
        const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
        const int count = xcb_get_property_value_length(list.get()) / 4;
        for (int i = 0; i < count; ++i) clients.push_back({ids[i], Root(), false, {}});
        return clients;
    }

    // Fills in whether each window is viewable and its title.
    void Describe(std::vector<Window>& windows) const {
        std::vector<xcb_get_window_attributes_cookie_t> attributes;
        std::vector<xcb_get_property_cookie_t> titles;
        for (const Window& window : windows) {
            attributes.push_back(xcb_get_window_attributes(connection_, window.id));
            titles.push_back(xcb_get_property(connection_, 0, window.id, netWmName_,
                                              XCB_GET_PROPERTY_TYPE_ANY, 0, 64));
        }
        for (std::size_t i = 0; i < windows.size(); ++i) {
            const auto attribute =
                Own(xcb_get_window_attributes_reply(connection_, attributes[i], nullptr));
            windows[i].viewable = attribute && attribute->map_state == XCB_MAP_STATE_VIEWABLE;
            windows[i].title =
                Text(Own(xcb_get_property_reply(connection_, titles[i], nullptr)).get());
        }
    }

    // The centre of the window in root coordinates and its size.
    std::optional<std::pair<xcb_point_t, int>> Centre(xcb_window_t window) const {
        const auto geometry = Own(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
        if (!geometry) return std::nullopt;
        const auto moved = Own(xcb_translate_coordinates_reply(
            connection_,
            xcb_translate_coordinates(connection_, window, Root(), geometry->width / 2,
                                      geometry->height / 2),
            nullptr));
        if (!moved) return std::nullopt;
        return std::make_pair(xcb_point_t{moved->dst_x, moved->dst_y},
                              std::max<int>(geometry->width, geometry->height));
    }

private:
    xcb_atom_t Atom(const char* name, xcb_atom_t fallback) const {
        const auto atom = Own(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return atom && atom->atom != XCB_ATOM_NONE ? atom->atom : fallback;
    }

    static std::string Text(xcb_get_property_reply_t* property) {
        if (property == nullptr) return {};
        return std::string(static_cast<const char*>(xcb_get_property_value(property)),
                           static_cast<std::size_t>(xcb_get_property_value_length(property)));
    }

    xcb_connection_t* connection_;
    xcb_atom_t netWmName_;
    xcb_atom_t clientList_;
};

int Count(const std::vector<Window>& windows, const std::string& title) {
    int count = 0;
    for (const Window& window : windows) count += window.viewable && window.title == title ? 1 : 0;
    return count;
}

// The tray icon is embedded in the tray: below another window, not the root.
std::optional<xcb_point_t> TrayIcon(const Display& display, const std::vector<Window>& windows) {
    for (const Window& window : windows) {
        if (!window.viewable || window.title != kTrayTitle || window.parent == display.Root())
            continue;
        const auto centre = display.Centre(window.id);
        if (centre && centre->second <= kLargestTrayIcon) return centre->first;
    }
    return std::nullopt;
}

// Start-up ends for the user when the window manager has taken on every note
// and shows it. Windows found ready are not asked about again, so a look costs
// the X server little more than the client list however many notes there are.
int Wait(const Display& display, int notes, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::set<xcb_window_t> ready;
    while (std::chrono::steady_clock::now() < deadline) {
        std::vector<Window> fresh;
        for (const Window& client : display.Clients()) {
            if (!ready.contains(client.id)) fresh.push_back(client);
        }
        display.Describe(fresh);
        for (const Window& window : fresh) {
            if (window.viewable && window.title == kNoteTitle) ready.insert(window.id);
        }
        if (static_cast<int>(ready.size()) >= notes) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Display display;
    if (!display.Ok()) {
        std::fputs("vesk_e2e_windows: no X display\n", stderr);
        return 2;
    }
    if (args.size() == 2 && args[0] == "count") {
        std::printf("%d\n", Count(display.Windows(), args[1]));
        return 0;
    }
    if (args.size() == 1 && args[0] == "tray-icon") {
        const auto centre = TrayIcon(display, display.Windows());
        if (!centre) return 1;
        std::printf("%d %d\n", centre->x, centre->y);
        return 0;
    }
    if (args.size() == 1 && args[0] == "clients") {
        std::printf("%zu\n", display.Clients().size());
        return 0;
    }
    if (args.size() == 3 && args[0] == "wait") {
        return Wait(display, std::stoi(args[1]), std::stod(args[2]));
    }
    std::fputs(
        "usage: vesk_e2e_windows count <title> | tray-icon | wait <notes> <seconds> | "
        "clients\n",
        stderr);
    return 2;
}
