#pragma once

#include <QRect>
#include <memory>
#include <optional>
#include <string>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

// What the kinds that lay out text share: the note painted around the text,
// the content height and scroll bar following where the text ends, the
// scroll hints, and where text goes on paper.
class CTextNoteWnd : public CVeskNoteWnd {
    Q_OBJECT

public:
    CTextNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host)
        : CVeskNoteWnd(id, std::move(record), host) {}

    // Clear Contents and Copy To Clipboard, and the style and font changes,
    // which reach the open editor too.
    bool OnCommand(std::uint32_t command) override;

protected:
    // The text Copy To Clipboard copies.
    virtual std::u16string CopiedText() const = 0;
    virtual void ClearContents() = 0;
    // The open editor, if any, takes the note's style or effective font.
    virtual void RestyleEditor() = 0;
    virtual void RefontEditor() = 0;

    // The note around the content, with the links of the last paint
    // forgotten. False when no content is painted on the screen: while
    // printing (the kind prints by pages), shaded or crumpling.
    bool PaintNoteAroundText(QPainter& painter);
    // The text, laid out from the content's top moved up by the scroll
    // position, ends at bottom (none: there is no text); the content height
    // and the scroll bar follow.
    void TextEndsAt(std::optional<int> bottom);
    // Small triangles at the content's right, in the style's text colour,
    // while there is more of the content laid out last above or below.
    void PaintContentScrollHints(QPainter& painter);
    // Where the text prints on a page: below the title bar, 20 pixels in
    // from the paper's left, right and bottom.
    QRect PrintedTextArea() const;
};

}  // namespace vesk
