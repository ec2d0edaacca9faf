#include "notewnd/PictureFit.h"

namespace vesk {

QRect PictureRect(QSize picture, const QRect& content, bool keepRatio) {
    if (picture.isEmpty() || content.isEmpty()) return {};
    if (!keepRatio) return content;
    const int areaWidth = content.width();
    const int areaHeight = content.height();
    const double pictureWidth = picture.width();
    const double pictureHeight = picture.height();
    // The longer side fills the area first; when the other side then runs
    // over, that one fills it instead. Sizes are cut, not rounded.
    int width = 0;
    int height = 0;
    if (pictureWidth <= pictureHeight) {
        height = areaHeight;
        width = static_cast<int>(pictureWidth / (pictureHeight / areaHeight));
        if (width > areaWidth) {
            width = areaWidth;
            height = static_cast<int>(pictureHeight / (pictureWidth / areaWidth));
        }
    } else {
        width = areaWidth;
        height = static_cast<int>(pictureHeight / (pictureWidth / areaWidth));
        if (height > areaHeight) {
            height = areaHeight;
            width = static_cast<int>(pictureWidth / (pictureHeight / areaHeight));
        }
    }
    return {areaWidth / 2 - width / 2 + content.left(), areaHeight / 2 - height / 2 + content.top(),
            width, height};
}

}  // namespace vesk
