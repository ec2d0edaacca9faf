#pragma once

#include "import/PreviousVersionCopy.h"

namespace vesk {

namespace platform {
class Autostart;
class Folders;
}  // namespace platform
class CMainFrame;

// The first start, once the data folder is new: the import of the previous
// version's files when it left any, else the built-in settings, the
// first-start wizard and the installation's notes. Notes made from the tray
// while a dialog is open stay beside the ones loaded after it; the settings
// cannot be changed from the tray before they are loaded.
class FirstStart {
public:
    FirstStart(CMainFrame& frame, const platform::Folders& folders, platform::Autostart& autostart)
        : frame_(frame), folders_(folders), autostart_(autostart) {}

    void Run();

private:
    void OfferImport(PreviousVersionFiles found);
    // Reads what the Import Helper copied, removes the copies and tells the
    // user how it went.
    void Import(const ImportCopies& copies);
    void Welcome();
    // The data folder's notes, unless a backup restored from the tray while
    // a dialog was open took their place.
    void AddNotesFile();

    CMainFrame& frame_;
    const platform::Folders& folders_;
    platform::Autostart& autostart_;
};

}  // namespace vesk
