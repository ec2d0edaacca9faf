#pragma once

#include <QRect>
#include <QSize>

namespace vesk {

// Where a picture of the size is drawn in the content area: stretched over
// all of it, or, keeping its proportions, as large as fits and centred (the
// rest of the area stays bare). Empty when nothing can be drawn.
QRect PictureRect(QSize picture, const QRect& content, bool keepRatio);

}  // namespace vesk
