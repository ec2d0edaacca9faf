#pragma once

#include <memory>

#include "notewnd/QtFontEngine.h"
#include "notewnd/QtImageDecoder.h"

namespace vesk {

namespace platform {
class InstanceLock;
}
class CMainFrame;
class TerminationSignals;

// The application object: one instance per user, the drawing services the
// core uses, the hidden main frame, and the ways the program is asked to end
// (signals, the session manager).
class CVeskNotesApp {
public:
    CVeskNotesApp();
    ~CVeskNotesApp();
    CVeskNotesApp(const CVeskNotesApp&) = delete;
    CVeskNotesApp& operator=(const CVeskNotesApp&) = delete;

    // False when another instance runs, or the program was told to end while
    // it came up; the caller then ends quietly.
    bool InitInstance();
    // The event loop, until the main frame has closed; the exit status.
    int Run();
    // Non-zero when the program ended without its notes saved.
    int ExitStatus() const;

private:
    QtFontEngine fontEngine_;
    QtImageDecoder imageDecoder_;
    std::unique_ptr<platform::InstanceLock> lock_;
    std::unique_ptr<TerminationSignals> signals_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace vesk
