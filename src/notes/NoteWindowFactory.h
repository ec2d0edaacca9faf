#pragma once

#include <memory>

#include "notes/NoteData.h"
#include "notes/NoteWindow.h"

namespace vesk {

// Makes the note windows of the collection, so that the collection never
// names a window class of its own.
class NoteWindowFactory {
public:
    // The window class for the record's kind, owning the record; none for a
    // kind that has no window.
    virtual std::unique_ptr<NoteWindow> MakeNoteWindow(NoteId id,
                                                       std::unique_ptr<NoteData> record) = 0;
    // The note windows' current title bar height, which sizes the drawing of
    // a scribble read from the previous version's files.
    virtual int TitleBarHeight() const = 0;

protected:
    ~NoteWindowFactory() = default;
};

}  // namespace vesk
