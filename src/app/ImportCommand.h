#pragma once

#include <functional>

namespace vesk {

class DialogSlots;
class NoteCollection;

// The Import Note command: a note file chosen in its dialog slot becomes a
// new note; a file that is no note is told of.
class ImportCommand {
public:
    // imported is told after the new note, the one of the highest id, came in.
    ImportCommand(NoteCollection& collection, DialogSlots& dialogs, std::function<void()> imported)
        : collection_(collection), dialogs_(dialogs), imported_(std::move(imported)) {}

    void Run();

private:
    NoteCollection& collection_;
    DialogSlots& dialogs_;
    std::function<void()> imported_;
};

}  // namespace vesk
