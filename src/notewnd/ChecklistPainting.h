#pragma once

#include <QRect>
#include <cstddef>
#include <vector>

#include "notes/ChecklistNoteData.h"
#include "notewnd/TextLayout.h"
#include "xml/TextForms.h"

class QPainter;

namespace vesk {

class ChecklistLayout;
struct StyleData;

// One item as a paint drew it, in the painter's coordinates.
struct ChecklistRow {
    // The 10-pixel square of its box, or of the arrow of an important item.
    QRect box;
    // Open and ending in "!": an arrow for its box and its text in bold.
    bool important = false;
};

// The colours of the items: open ones and the marks of important ones in
// the text colour, ticked ones in a faded colour.
struct ChecklistInk {
    COLORREF text = 0;
    COLORREF faded = 0;

    // On screen: the style's text colour, and half-way from it to the
    // background for ticked items.
    static ChecklistInk OnScreen(const StyleData& style);
    // On paper: black for everything.
    static ChecklistInk OnPaper();
};

// Items [first, end) of a checklist and what they are drawn with.
struct ChecklistItemsPaint {
    const ChecklistLayout& layout;
    const std::vector<ChecklistItem>& items;
    ChecklistInk ink;
    std::size_t first = 0;
    std::size_t end = 0;
};

// Draws the items one below the other from the box's top: a box (ticked
// for a ticked item, an arrow for an important one) at the box's left,
// centred on the first line, and the item's text wrapped right of it. Adds a
// row per item and the links drawn. Returns the y under the last item's
// text, or the box's top when there is no item.
int PaintChecklistItems(QPainter& painter, const ChecklistItemsPaint& paint, const QRect& box,
                        std::vector<ChecklistRow>& rows, std::vector<LinkRecord>& links);

// The end of the items from paint.first on that fit whole, one below the
// other, into the box: at least one, so that printing always comes to an end.
std::size_t ChecklistItemsThatFit(const ChecklistItemsPaint& paint, const QRect& box);

}  // namespace vesk
