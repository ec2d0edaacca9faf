#pragma once

#include <QList>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include "notes/Rect.h"

namespace vesk {

// Width of the drop shadow along the right and bottom edges.
inline constexpr int kShadowWidth = 2;

QRect ToQRect(const Rect& rect);
Rect ToRect(const QRect& rect);

// max(20, line height of the title font + 10).
int TitleBarHeightFor(int titleFontHeight);

// The client area less the shadow: where the note itself is drawn.
QRect NoteArea(QSize client, bool shadow);

// Where a kind draws its content inside the note area: 6 pixels in from the
// sides and the bottom, and below the title bar unless the title is hidden.
QRect ContentRect(QSize client, bool shadow, bool titleShown, int titleBarHeight);
// The client size whose content area, below the title bar, has the size given.
QSize ClientSizeFor(QSize content, bool shadow, int titleBarHeight);

// The window shape with the shadow on: the client rectangle less the squares
// at the shadow's two outer ends, so that the shadow looks cast.
QRegion ShadowMask(QSize client);

// A shaded note keeps its place and width and is as high as its title bar.
QRect ShadedRect(const QRect& window, int titleBarHeight, bool shadow);

// Where a stored note appears. A note without area gets the size of a new
// note; none is larger than a note may be or than the screen it is on; one
// that no screen shows any part of moves to the nearest place inside the
// available area, no larger than that; anything else stays.
Rect PlaceOnScreen(const Rect& note, const QList<QRect>& screens, const QRect& available);
// The same on the screens attached now, the primary one's available area.
Rect PlaceOnScreens(const Rect& note);

// Where a note's quick action box of the size given goes: beside its right
// edge (past the shadow when it is on) at its top, or beside its left edge
// when only that side has room on the screen's area, or else at the area's
// right edge; never above or below the area.
QPoint QuickActionBoxPlace(const QRect& note, bool shadow, QSize box, const QRect& screen);

// Titles longer than 20 characters are cut to 17 and "...".
QString ShortTitle(const QString& title);

}  // namespace vesk
