#include "app/KindIcons.h"

#include <QString>

namespace vesk {

QIcon KindIcon(int resourceId) {
    const char* name = nullptr;
    switch (resourceId) {
        case KindBitmap::kMessageChecked:
            name = "message-shown";
            break;
        case KindBitmap::kMessageUnchecked:
            name = "message-hidden";
            break;
        case KindBitmap::kScribbleChecked:
            name = "scribble-shown";
            break;
        case KindBitmap::kScribbleUnchecked:
            name = "scribble-hidden";
            break;
        case KindBitmap::kOtherChecked:
            name = "checklist-shown";
            break;
        case KindBitmap::kOtherUnchecked:
            name = "checklist-hidden";
            break;
        case KindBitmap::kPicture:
            name = "picture";
            break;
        default:
            return {};
    }
    return QIcon(QStringLiteral(":/icons/kinds/%1.svg").arg(QString::fromLatin1(name)));
}

QIcon AppIcon() { return QIcon(QStringLiteral(":/icons/vesknotes.svg")); }

}  // namespace vesk
