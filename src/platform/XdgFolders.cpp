#include "XdgFolders.h"

#include <QDir>
#include <QFileInfo>

namespace vesk::platform {

namespace {

QString WithSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

// An installed program finds its files under <prefix>/share/vesknotes/, seen
// from <prefix>/bin; in a build tree they are copied next to the executable.
QString FindInstallation(const QString& executableFolder) {
    const QFileInfo installed(WithSlash(executableFolder) + QStringLiteral(VESK_DATA_FROM_BIN));
    if (installed.isDir()) {
        return WithSlash(QDir::cleanPath(installed.absoluteFilePath()));
    }
    return WithSlash(QDir::cleanPath(QFileInfo(executableFolder).absoluteFilePath()));
}

}  // namespace

// The XDG rules ignore a relative path in the variable.
QString XdgDataHome() {
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)) {
        return WithSlash(QDir::cleanPath(fromEnvironment));
    }
    return WithSlash(QDir::homePath()) + QStringLiteral(".local/share/");
}

XdgFolders::XdgFolders(const QString& executableFolder)
    : dataHome_(XdgDataHome()), installation_(FindInstallation(executableFolder)) {}

}  // namespace vesk::platform
