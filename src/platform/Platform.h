#pragma once

#include <memory>

#include "Autostart.h"
#include "ClockWatch.h"
#include "Folders.h"
#include "HotKeys.h"
#include "InstanceLock.h"
#include "LinkOpener.h"
#include "SoundPlayer.h"
#include "TrayWatch.h"

namespace vesk::platform {

// This system's implementation of each service; a port to another system
// provides its own definitions of these. Call them once the application
// object exists.
std::unique_ptr<Folders> CreateFolders();
// The lock named "vesk notes 4", shared by every start of the same user.
std::unique_ptr<InstanceLock> CreateInstanceLock();
std::unique_ptr<HotKeys> CreateHotKeys();
std::unique_ptr<Autostart> CreateAutostart();
std::unique_ptr<SoundPlayer> CreateSoundPlayer();
std::unique_ptr<LinkOpener> CreateLinkOpener();
std::unique_ptr<TrayWatch> CreateTrayWatch();
std::unique_ptr<ClockWatch> CreateClockWatch();

}  // namespace vesk::platform
