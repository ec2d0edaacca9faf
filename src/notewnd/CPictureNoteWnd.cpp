#include "notewnd/CPictureNoteWnd.h"

#include <QPaintDevice>
#include <QPainter>
#include <utility>

#include "dialogs/editoptions/EditSheets.h"
#include "notewnd/PictureFit.h"

namespace vesk {

CPictureNoteWnd::CPictureNoteWnd(NoteId id, std::unique_ptr<PictureNoteData> record, NoteHost& host)
    : CVeskNoteWnd(id, RecordOrNew(std::move(record)), host) {}

void CPictureNoteWnd::CreateNoteWindow() {
    if (!Picture().GetSource().empty() && Picture().GetPicture() == nullptr) {
        Picture().SetSource(Picture().GetSource());
    }
    CVeskNoteWnd::CreateNoteWindow();
}

void CPictureNoteWnd::BeginEdit() {
    SetEditSheet(new CPictureEditPropertySheet(*this, Host()));
    CVeskNoteWnd::BeginEdit();
}

void CPictureNoteWnd::PaintNote(QPainter& painter) {
    CVeskNoteWnd::PaintNote(painter);
    // On paper a picture note is its body and title alone.
    if (IsPrinting() || Picture().IsShaded() || IsCrumpling()) return;
    const std::shared_ptr<const Bitmap>& picture = Picture().GetSharedPicture();
    const QRect target = picture ? PictureRect(QSize(picture->GetWidth(), picture->GetHeight()),
                                               GetContentRect(false), Picture().GetMaintainRatio())
                                 : QRect();
    if (target.isEmpty()) {
        scaled_.Clear();
        return;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.drawImage(target, scaled_.At(picture, target.size() * ratio, ratio));
}

}  // namespace vesk
