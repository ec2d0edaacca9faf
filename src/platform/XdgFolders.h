#pragma once

#include "Folders.h"

namespace vesk::platform {

// Folders after the XDG base directories: the data folder inside
// $XDG_DATA_HOME (default ~/.local/share). The environment is read once, at
// construction.
class XdgFolders final : public Folders {
public:
    // executableFolder: the folder of the running program; the installation's
    // files are looked up from it.
    explicit XdgFolders(const QString& executableFolder);

    QString DataFolder() const override { return dataHome_ + QStringLiteral("vesk notes 4/"); }
    QString PreviousVersionFolder() const override {
        return dataHome_ + QStringLiteral("vesk notes 3/");
    }
    QString InstallationFolder() const override { return installation_; }

private:
    QString dataHome_;
    QString installation_;
};

// $XDG_DATA_HOME, or ~/.local/share/ when it is unset or not absolute.
QString XdgDataHome();

}  // namespace vesk::platform
