#pragma once

#include <QString>

namespace vesk::platform {

// Hands links and files to the desktop's own programs.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;

    // A link as it stands in a note ("http://…", "https://…", "mailto:…").
    virtual bool OpenLink(const QString& link) = 0;
    // A local file, such as the help file.
    virtual bool OpenFile(const QString& path) = 0;
};

}  // namespace vesk::platform
