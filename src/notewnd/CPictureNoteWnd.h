#pragma once

#include <memory>

#include "notes/PictureNoteData.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/ScaledPicture.h"

namespace vesk {

// The window of a note that shows an image file, stretched over its content
// area or fitted into it. It has no editor of its own: its edit options
// choose the picture and how it fits. The backup of an edit holds the
// picture too, so Cancel Editing brings back the one the note had.
class CPictureNoteWnd : public CVeskNoteWnd {
    Q_OBJECT

public:
    // Without a record the note starts without a picture.
    CPictureNoteWnd(NoteId id, std::unique_ptr<PictureNoteData> record, NoteHost& host);

    // Decodes the picture when the record holds a path but no picture yet.
    void CreateNoteWindow() override;

protected:
    void BeginEdit() override;
    void PaintNote(QPainter& painter) override;

private:
    PictureNoteData& Picture() { return static_cast<PictureNoteData&>(GetNoteData()); }

    ScaledPicture scaled_;
};

}  // namespace vesk
