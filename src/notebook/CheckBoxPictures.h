#pragma once

#include <QImage>

namespace vesk {

// The list's 16 by 16 check box pictures, transparent around a 14-pixel
// square at the top left: an empty box, or one with a tick. Images rather
// than pixmaps, so that they may outlive the application object.
const QImage& CheckBoxPicture(bool checked);

}  // namespace vesk
