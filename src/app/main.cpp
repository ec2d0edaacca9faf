#include <QApplication>

#include "app/VeskNotesApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vesk::CVeskNotesApp program;
    // A second start, or one told to end while coming up, ends quietly.
    if (!program.InitInstance()) return program.ExitStatus();
    return program.Run();
}
