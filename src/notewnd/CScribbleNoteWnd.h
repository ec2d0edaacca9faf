#pragma once

#include <QPointer>
#include <memory>

#include "notes/ScribbleNoteData.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/ScribbleInk.h"

namespace vesk {

class CSimpleCanvas;

// The window of a free-hand drawing. Outside editing the drawing is
// stretched over the content area in the style's text colour; while
// editing, a canvas lies there and Done Editing stores what it holds within
// the content area.
class CScribbleNoteWnd : public CVeskNoteWnd {
    Q_OBJECT

public:
    // Without a record the note starts without a drawing.
    CScribbleNoteWnd(NoteId id, std::unique_ptr<ScribbleNoteData> record, NoteHost& host);
    ~CScribbleNoteWnd() override;

    bool OnCommand(std::uint32_t command) override;

    // The brush radius in pixels, for the canvas open now and those to come.
    void SetBrushSize(int radius);
    int GetBrushSize() const { return brushSize_; }
    // Blanks the canvas while editing; the record keeps its drawing until
    // Done Editing.
    void ClearDrawing();

protected:
    // The window first takes the size at which the content area shows the
    // drawing pixel for pixel.
    void BeginEdit() override;
    void EndEdit(bool commit) override;
    // On paper the drawing comes at its own size.
    void PaintNote(QPainter& painter) override;
    // Without "Copy To Clipboard": a drawing has no text to copy.
    bool PrepareNoteMenu(QMenu& menu) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ScribbleNoteData& Scribble() { return static_cast<ScribbleNoteData&>(GetNoteData()); }
    const ScribbleNoteData& Scribble() const {
        return static_cast<const ScribbleNoteData&>(GetNoteData());
    }

    void SizeToDrawing();
    void OpenCanvas();

    QPointer<CSimpleCanvas> canvas_;
    int brushSize_ = 3;
    InkImageCache drawing_;
};

}  // namespace vesk
