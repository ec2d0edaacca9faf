#pragma once

#include <QPixmap>

namespace vesk {

// The quick action box's button pictures by their resource ids: for each
// button a normal picture and the one shown while it is held down.
namespace QuickActionImage {
inline constexpr int kCrumplePressed = 263;
inline constexpr int kCrumple = 264;
inline constexpr int kShadePressed = 265;
inline constexpr int kShade = 266;
inline constexpr int kUnshadePressed = 267;
inline constexpr int kUnshade = 268;
// Every picture is a square of this side.
inline constexpr int kSide = 20;
}  // namespace QuickActionImage

// The opaque 20 × 20 picture of one of the QuickActionImage ids; a null
// pixmap for any other id.
QPixmap LoadQuickActionImage(int imageId);

}  // namespace vesk
