#include "app/UnreadableFile.h"

#include <QFile>
#include <QFileInfo>

namespace vesk {

QString SetAsideUnreadableFile(const QString& path, const QDateTime& when) {
    if (!QFileInfo::exists(path)) return {};
    const QString base = path + QStringLiteral(".unreadable-") +
                         when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString target = base;
    // Two failures within a second must not meet at one name.
    for (int copy = 2; QFileInfo::exists(target); ++copy) {
        target = base + QStringLiteral("-%1").arg(copy);
    }
    return QFile::rename(path, target) ? target : QString();
}

}  // namespace vesk
