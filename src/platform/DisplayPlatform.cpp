#include "DisplayPlatform.h"

#include <QByteArray>
#include <QtGlobal>

namespace vesk::platform {

// Empty values count as unset, as they do for Qt and the display libraries.
void PreferXWaylandOnWayland() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

}  // namespace vesk::platform
