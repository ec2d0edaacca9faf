#pragma once

#include "LinkOpener.h"

namespace vesk::platform {

// Opens through QDesktopServices: the user's browser, mail program and file
// viewers.
class DesktopLinkOpener final : public LinkOpener {
public:
    bool OpenLink(const QString& link) override;
    bool OpenFile(const QString& path) override;
};

}  // namespace vesk::platform
