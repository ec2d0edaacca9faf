#include "DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace vesk::platform {

bool DesktopLinkOpener::OpenLink(const QString& link) {
    // Typed text may hold spaces and percent signs that are no escapes.
    const QUrl url(link, QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopLinkOpener::OpenFile(const QString& path) {
    // A file name may hold '#' or '?', which a URL would take as its end.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

}  // namespace vesk::platform
