#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>

#include "notes/NoteWindow.h"

namespace vesk {

// The main frame's command table: which command ids are answered and by
// what. A listed command without a handler is not available yet, and menus
// show it greyed; any other id from the first note item up names a note.
class MainCommands {
public:
    using Handler = std::function<void()>;
    using NoteHandler = std::function<void(NoteId)>;

    void Set(std::uint32_t command, Handler handler);
    // What a note's tray item does.
    void SetNoteHandler(NoteHandler handler);

    bool IsAvailable(std::uint32_t command) const;
    // False when nothing answers the command.
    bool Run(std::uint32_t command) const;

    // One of the table's own commands, as opposed to a note item.
    static bool IsListed(std::uint32_t command);

    // Takes commands out of the table for its lifetime, so that menus grey
    // them, and puts them back after.
    class Hold {
    public:
        Hold(MainCommands& commands, std::initializer_list<std::uint32_t> held);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        MainCommands& commands_;
        std::map<std::uint32_t, Handler> held_;
    };

private:
    std::map<std::uint32_t, Handler> handlers_;
    NoteHandler noteHandler_;
};

}  // namespace vesk
