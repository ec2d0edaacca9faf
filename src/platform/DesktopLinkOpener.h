#pragma once

#include <QObject>

#include "LinkOpener.h"

class QUrl;

namespace vesk::platform {

// Opens through the desktop's opener (xdg-open), whose exit status tells
// whether any program took the link; without one, through QDesktopServices.
class DesktopLinkOpener final : public LinkOpener {
public:
    ~DesktopLinkOpener() override;

    void OpenLink(const QString& link, Failure failed) override;
    void OpenFile(const QString& path, Failure failed) override;

private:
    void Open(const QUrl& url, const QString& target, const Failure& failed);

    // Parent of the openers still running.
    QObject running_;
};

}  // namespace vesk::platform
