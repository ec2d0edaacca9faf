#include "notewnd/CTextNoteWnd.h"

#include "notes/NoteCommands.h"
#include "notewnd/NoteExport.h"
#include "notewnd/ScrollHints.h"

namespace vesk {

namespace {

// Text ends this far above the bottom of what it laid out.
constexpr int kTextBottomGap = 6;
// Margins of text on paper, left, right and bottom.
constexpr int kPrintMargin = 20;

}  // namespace

bool CTextNoteWnd::OnCommand(std::uint32_t command) {
    switch (command) {
        case NoteCommand::kClearContents:
            ClearContents();
            return true;
        case NoteCommand::kCopyToClipboard:
            CopyTextToClipboard(CopiedText());
            return true;
        case NoteCommand::kStyleChanged:
            RestyleEditor();
            break;
        case NoteCommand::kFontChanged:
            RefontEditor();
            break;
        default:
            return CVeskNoteWnd::OnCommand(command);
    }
    CVeskNoteWnd::OnCommand(command);
    update();
    return true;
}

bool CTextNoteWnd::PaintNoteAroundText(QPainter& painter) {
    CVeskNoteWnd::PaintNote(painter);
    if (IsPrinting()) {
        return false;
    }
    Links().clear();
    return !GetNoteData().IsShaded() && !IsCrumpling();
}

void CTextNoteWnd::TextEndsAt(std::optional<int> bottom) {
    SetContentHeight(bottom ? GetScrollPos() - GetTitleBarHeight() + *bottom - kTextBottomGap : 0);
    UpdateScrollBar();
}

void CTextNoteWnd::PaintContentScrollHints(QPainter& painter) {
    // The preview's scroll bar stands beside it.
    if (IsPreview()) {
        return;
    }
    const int position = GetScrollPos();
    PaintScrollHints(painter, GetContentRect(false), GetNoteData().GetStyle().textcolor,
                     position > 0, GetContentHeight() - position > VisibleContentHeight());
}

QRect CTextNoteWnd::PrintedTextArea() const {
    const QRect area = PaintArea();
    return {area.x() + kPrintMargin, area.y() + GetTitleBarHeight(),
            area.width() - 2 * kPrintMargin, area.height() - GetTitleBarHeight() - kPrintMargin};
}

}  // namespace vesk
