#pragma once

#include <QString>
#include <functional>

namespace vesk::platform {

// Hands links and files to the desktop's own programs.
class LinkOpener {
public:
    // Told what could not be opened. It may come later than the call: the
    // desktop's opener can start and then find no program for the link.
    using Failure = std::function<void(const QString& target)>;

    virtual ~LinkOpener() = default;

    // A link as it stands in a note ("http://…", "https://…", "mailto:…").
    virtual void OpenLink(const QString& link, Failure failed) = 0;
    // A local file, such as the help file.
    virtual void OpenFile(const QString& path, Failure failed) = 0;
};

}  // namespace vesk::platform
