#pragma once

#include <QRect>

class QPainter;

namespace vesk {

class FontData;
class NoteData;
struct StyleData;

// What the drawing of a note's background depends on besides its record.
struct NotePaintInput {
    const NoteData& note;
    const FontData& titleFont;
    // The client area less the shadow.
    QRect area;
    int titleBarHeight = 0;
    bool titleBarShown = false;
    bool editing = false;
    // The content rectangle as if the title bar were shown, framed while
    // editing.
    QRect contentFrame;
    bool shadow = false;
    // On paper the body, the title strip and the shadow are left out and the
    // title is black.
    bool printing = false;
};

// Everything of a note that is not its kind's content, back to front: the
// gradient body, the darker title strip, the alarm clock, the title, the
// frames of the editors and the shadow. The kinds draw over it.
void PaintNoteBackground(QPainter& painter, const NotePaintInput& input);

// The note's body, also behind its quick action box: "bgcolor" at the top
// of the area fading to "bg2color" at its bottom.
void PaintStyleGradient(QPainter& painter, const QRect& area, const StyleData& style);
// Black along the right and bottom edges of the area, starting 2 pixels in
// so that it looks cast; the window's shape cuts off its two outer ends.
void PaintShadow(QPainter& painter, const QRect& area);

}  // namespace vesk
