#include "Folders.h"

#include <QDir>
#include <QFileInfo>

namespace vesk::platform {

bool CreateFolder(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QFileInfo parent(QFileInfo(absolute).path());
    if (!parent.isDir() && !QDir().mkpath(parent.filePath())) {
        return false;
    }
    // mkdir fails on an existing folder, which is the answer wanted here.
    return QDir().mkdir(absolute);
}

}  // namespace vesk::platform
