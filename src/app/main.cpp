#include <QApplication>

#include "app/VeskNotesApp.h"
#include "platform/DisplayPlatform.h"

int main(int argc, char** argv) {
    vesk::platform::PreferXWaylandOnWayland();
    QApplication application(argc, argv);
    // Lets the desktop match the program's windows with its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(VESK_APP_ID));
    vesk::CVeskNotesApp program;
    // A second start, or one told to end while coming up, ends quietly.
    if (!program.InitInstance()) return program.ExitStatus();
    return program.Run();
}
