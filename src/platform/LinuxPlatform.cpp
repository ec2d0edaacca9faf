#include <QCoreApplication>

#include "DesktopLinkOpener.h"
#include "FileInstanceLock.h"
#include "Platform.h"
#include "QtSoundPlayer.h"
#include "TimerFdClockWatch.h"
#include "XcbHotKeys.h"
#include "XcbTrayWatch.h"
#include "XdgAutostart.h"
#include "XdgFolders.h"

namespace vesk::platform {

std::unique_ptr<Folders> CreateFolders() {
    return std::make_unique<XdgFolders>(QCoreApplication::applicationDirPath());
}

// Beside the data folder it guards: every start that would share the data
// shares the lock, whatever session or environment it comes from.
std::unique_ptr<InstanceLock> CreateInstanceLock() {
    return std::make_unique<FileInstanceLock>(XdgDataHome() + QStringLiteral("vesk notes 4.lock"));
}

std::unique_ptr<HotKeys> CreateHotKeys() { return std::make_unique<XcbHotKeys>(); }

std::unique_ptr<Autostart> CreateAutostart() { return std::make_unique<XdgAutostart>(); }

std::unique_ptr<SoundPlayer> CreateSoundPlayer() { return std::make_unique<QtSoundPlayer>(); }

std::unique_ptr<LinkOpener> CreateLinkOpener() { return std::make_unique<DesktopLinkOpener>(); }

std::unique_ptr<TrayWatch> CreateTrayWatch() { return std::make_unique<XcbTrayWatch>(); }

std::unique_ptr<ClockWatch> CreateClockWatch() { return std::make_unique<TimerFdClockWatch>(); }

}  // namespace vesk::platform
