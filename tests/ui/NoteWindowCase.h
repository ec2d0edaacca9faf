#pragma once

#include <QObject>
#include <memory>

#include "FakeNoteHost.h"

namespace vesk::test {

// What every note window test starts from: the test fonts, a fresh host for
// each case, and one window at a time, closed after the case.
class NoteWindowCase : public QObject {
    Q_OBJECT

public:
    NoteWindowCase() { UseTestFonts(engine_); }
    ~NoteWindowCase() override { RegisterFontEngine(nullptr); }

protected:
    QtFontEngine engine_;
    FakeNoteHost host_;
    std::unique_ptr<CVeskNoteWnd> window_;

    // A window of the kind on the note, in place of the last one.
    template <typename Kind = CVeskNoteWnd, typename Note>
    Kind& Create(std::unique_ptr<Note> note, NoteId id = 7) {
        window_.reset();
        auto window = std::make_unique<Kind>(id, std::move(note), host_);
        Kind& made = *window;
        window_ = std::move(window);
        made.CreateNoteWindow();
        return made;
    }
    QImage Paint() const { return Render(*window_); }

protected slots:
    void init() { host_ = {}; }
    void cleanup() { window_.reset(); }
};

}  // namespace vesk::test
