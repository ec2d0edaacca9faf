#include "notewnd/CScribbleNoteWnd.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <utility>

#include "dialogs/editoptions/EditSheets.h"
#include "notes/NoteCommands.h"
#include "notewnd/CSimpleCanvas.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHost.h"
#include "notewnd/NoteMenu.h"
#include "settings/SettingsData.h"

namespace vesk {

CScribbleNoteWnd::CScribbleNoteWnd(NoteId id, std::unique_ptr<ScribbleNoteData> record,
                                   NoteHost& host)
    : CVeskNoteWnd(id, RecordOrNew(std::move(record)), host) {}

CScribbleNoteWnd::~CScribbleNoteWnd() = default;

bool CScribbleNoteWnd::OnCommand(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kStyleChanged:
            if (canvas_) {
                const StyleData& style = Scribble().GetStyle();
                canvas_->SetColors(style.bgcolor, style.textcolor);
            }
            break;
        case NoteCommand::kClearContents:
            Scribble().ClearImage();
            drawing_.Invalidate();
            // A change to the record must reach the notes file.
            Host().MarkChanged();
            update();
            return true;
        default:
            break;
    }
    return CVeskNoteWnd::OnCommand(command);
}

void CScribbleNoteWnd::SetBrushSize(int radius) {
    brushSize_ = radius;
    if (canvas_) {
        canvas_->SetBrushRadius(radius);
    }
}

void CScribbleNoteWnd::ClearDrawing() {
    if (canvas_) {
        canvas_->ClearSurface();
    }
}

void CScribbleNoteWnd::BeginEdit() {
    SizeToDrawing();
    SetEditSheet(new CScribblePropertySheet(*this, Host()));
    CVeskNoteWnd::BeginEdit();
    OpenCanvas();
}

void CScribbleNoteWnd::SizeToDrawing() {
    const Bitmap* drawing = Scribble().GetImage();
    if (drawing == nullptr) {
        return;
    }
    resize(ClientSizeFor(QSize(drawing->GetWidth(), drawing->GetHeight()),
                         Host().GetSettings().GetNoteShadow(), GetTitleBarHeight()));
}

void CScribbleNoteWnd::OpenCanvas() {
    delete canvas_;
    const StyleData& style = Scribble().GetStyle();
    const Bitmap* drawing = Scribble().GetImage();
    auto* canvas = new CSimpleCanvas(drawing ? InkImage(*drawing, style.textcolor) : QImage(),
                                     style.bgcolor, style.textcolor, brushSize_, this);
    canvas->setGeometry(GetContentRect(true));
    canvas->show();
    canvas_ = canvas;
}

void CScribbleNoteWnd::EndEdit(bool commit) {
    if (commit && canvas_) {
        // The area drawn in: on a note without title bar the area it shows
        // is taller by the bar, and storing that would grow the note by the
        // bar at every edit (editing fits the canvas to the drawing).
        const QSize area = canvas_->size().boundedTo(
            {ScribbleNoteData::kMaxImageSide, ScribbleNoteData::kMaxImageSide});
        StoreInk(canvas_->GetSurface(), area, Scribble().GetStyle().textcolor, Scribble());
        drawing_.Invalidate();
    }
    delete canvas_;
    CVeskNoteWnd::EndEdit(commit);
    update();
}

void CScribbleNoteWnd::PaintNote(QPainter& painter) {
    CVeskNoteWnd::PaintNote(painter);
    if (!IsPrinting() && (Scribble().IsShaded() || IsCrumpling())) {
        return;
    }
    const Bitmap* drawing = Scribble().GetImage();
    if (drawing == nullptr) {
        return;
    }
    const QImage& image = drawing_.Get(*drawing, Scribble().GetStyle().textcolor);
    const QRect content = GetContentRect(false);
    if (IsPrinting()) {
        painter.drawImage(content.topLeft(), image);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(content, image);
    painter.restore();
}

bool CScribbleNoteWnd::PrepareNoteMenu(QMenu& menu) {
    for (QAction* item : menu.actions()) {
        if (MenuCommand(*item) == NoteCommand::kCopyToClipboard) {
            item->setEnabled(false);
        }
    }
    return true;
}

void CScribbleNoteWnd::resizeEvent(QResizeEvent* event) {
    CVeskNoteWnd::resizeEvent(event);
    if (canvas_) {
        canvas_->setGeometry(GetContentRect(true));
    }
}

}  // namespace vesk
