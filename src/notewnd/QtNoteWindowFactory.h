#pragma once

#include "notes/NoteWindowFactory.h"

namespace vesk {

class NoteHost;

// Makes the note collection's windows, all served by one host.
class QtNoteWindowFactory : public NoteWindowFactory {
public:
    explicit QtNoteWindowFactory(NoteHost& host) : host_(host) {}

    std::unique_ptr<NoteWindow> MakeNoteWindow(NoteId id,
                                               std::unique_ptr<NoteData> record) override;
    int TitleBarHeight() const override;

private:
    NoteHost& host_;
};

}  // namespace vesk
