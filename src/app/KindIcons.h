#pragma once

#include <QIcon>

namespace vesk {

// The tray menu's kind bitmaps, by their resource ids: a note shown on the
// desktop (checked) and a hidden one (unchecked) of each kind; pictures are
// listed as other kinds and have only the New item's bitmap.
namespace KindBitmap {
inline constexpr int kMessageChecked = 226;
inline constexpr int kMessageUnchecked = 142;
inline constexpr int kScribbleChecked = 149;
inline constexpr int kScribbleUnchecked = 150;
inline constexpr int kOtherChecked = 230;
inline constexpr int kOtherUnchecked = 229;
inline constexpr int kPicture = 231;
}  // namespace KindBitmap

// The icon of one of the KindBitmap ids; a null icon for any other id.
QIcon KindIcon(int resourceId);
// The program's icon, for the tray, the windows and the About box.
QIcon AppIcon();

}  // namespace vesk
