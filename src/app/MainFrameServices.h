#pragma once

#include <memory>

#include "app/TrayIcon.h"
#include "platform/Autostart.h"
#include "platform/ClockWatch.h"
#include "platform/Folders.h"
#include "platform/HotKeys.h"
#include "platform/LinkOpener.h"
#include "platform/SoundPlayer.h"
#include "platform/TrayWatch.h"

namespace vesk {

// What the main frame needs of the system; the program passes the platform's
// own, tests their stand-ins.
struct MainFrameServices {
    std::unique_ptr<platform::Folders> folders;
    std::unique_ptr<platform::HotKeys> hotKeys;
    std::unique_ptr<platform::LinkOpener> links;
    TrayIcon::TrayProbe trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
    // Plays the program's own sounds.
    std::unique_ptr<platform::SoundPlayer> sounds;
    // Tells when a tray comes or goes.
    std::unique_ptr<platform::TrayWatch> trayWatch;
    // Tells when the wall clock jumps, for the alarms.
    std::unique_ptr<platform::ClockWatch> clockWatch;
    // The entries that start programs at log-in.
    std::unique_ptr<platform::Autostart> autostart;
};

}  // namespace vesk
