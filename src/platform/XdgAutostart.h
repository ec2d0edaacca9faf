#pragma once

#include "Autostart.h"

namespace vesk::platform {

// Desktop entries in $XDG_CONFIG_HOME/autostart/ (default ~/.config), which
// desktop sessions run at log-in. The environment is read at construction.
class XdgAutostart final : public Autostart {
public:
    XdgAutostart();

    bool Exists(const QString& name) const override;
    bool Create(const QString& name, const QString& program, const QString& description) override;
    bool Remove(const QString& name) override;

    // The entry's file: spaces in the name become '-', as desktop file names
    // should have none.
    QString EntryPath(const QString& name) const;

private:
    QString folder_;
};

// The text of a desktop entry that runs program.
QString DesktopEntry(const QString& name, const QString& program, const QString& description);

}  // namespace vesk::platform
