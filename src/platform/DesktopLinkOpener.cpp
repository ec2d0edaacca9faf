#include "DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vesk::platform {

DesktopLinkOpener::~DesktopLinkOpener() {
    // An opener may wait on the browser it started; the browser stays, and
    // nobody is left to be told how it ended.
    for (auto* process : running_.findChildren<QProcess*>()) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
    }
}

void DesktopLinkOpener::OpenLink(const QString& link, Failure failed) {
    // Typed text may hold spaces and percent signs that are no escapes.
    const QUrl url(link, QUrl::TolerantMode);
    if (!url.isValid()) return failed(link);
    Open(url, link, failed);
}

void DesktopLinkOpener::OpenFile(const QString& path, Failure failed) {
    // A file name may hold '#' or '?', which a URL would take as its end.
    Open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), path, failed);
}

void DesktopLinkOpener::Open(const QUrl& url, const QString& target, const Failure& failed) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) failed(target);
        return;
    }
    // xdg-open says by its exit status whether a program took the link,
    // which QDesktopServices, starting it detached, never learns.
    auto* process = new QProcess(&running_);
    QObject::connect(process, &QProcess::finished, process,
                     [process, target, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0) failed(target);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, target, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         process->deleteLater();
                         failed(target);
                     });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {QString::fromUtf8(url.toEncoded())});
}

}  // namespace vesk::platform
