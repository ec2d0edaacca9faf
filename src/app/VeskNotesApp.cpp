#include "app/VeskNotesApp.h"

#include <QApplication>
#include <QSessionManager>

#include "app/MainFrame.h"
#include "app/TerminationSignals.h"
#include "notes/ImageDecoder.h"
#include "platform/Platform.h"
#include "settings/FontEngine.h"

namespace vesk {

CVeskNotesApp::CVeskNotesApp() {
    RegisterFontEngine(&fontEngine_);
    RegisterImageDecoder(&imageDecoder_);
}

CVeskNotesApp::~CVeskNotesApp() {
    mainFrame_.reset();
    RegisterImageDecoder(nullptr);
    RegisterFontEngine(nullptr);
}

bool CVeskNotesApp::InitInstance() {
    lock_ = platform::CreateInstanceLock();
    if (!lock_->Acquire()) return false;

    // The program lives in the tray: closing its last dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    mainFrame_ = std::make_unique<CMainFrame>(MainFrameServices{
        platform::CreateFolders(), platform::CreateHotKeys(), platform::CreateLinkOpener(),
        &QSystemTrayIcon::isSystemTrayAvailable, platform::CreateSoundPlayer(),
        platform::CreateTrayWatch(), platform::CreateClockWatch(), platform::CreateAutostart()});
    signals_ = std::make_unique<TerminationSignals>();
    QObject::connect(signals_.get(), &TerminationSignals::Received, mainFrame_.get(),
                     &CMainFrame::EndSession);
    // Asked to save before the session ends: whatever follows, nothing is
    // lost. The session's end itself quits the event loop.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, mainFrame_.get(),
                     [frame = mainFrame_.get()](QSessionManager&) { frame->SaveAll(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, mainFrame_.get(), &CMainFrame::CloseNow);

    mainFrame_->Create();
    return !mainFrame_->IsClosed();
}

int CVeskNotesApp::Run() {
    const int status = QApplication::exec();
    return status != 0 ? status : ExitStatus();
}

int CVeskNotesApp::ExitStatus() const { return mainFrame_ ? mainFrame_->ExitStatus() : 0; }

}  // namespace vesk
