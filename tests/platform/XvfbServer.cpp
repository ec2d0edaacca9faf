#include "XvfbServer.h"

#include <QStandardPaths>

namespace vesk::platform::test {

XvfbServer::~XvfbServer() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished();
    }
}

bool XvfbServer::Start() {
    const QString program = QStandardPaths::findExecutable("Xvfb");
    if (program.isEmpty()) {
        return false;
    }
    // -displayfd: the server writes the display number it took once it
    // accepts connections.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000)) {
            return false;
        }
    }
    bool isNumber = false;
    const int number = process_.readLine().trimmed().toInt(&isNumber);
    if (!isNumber) {
        return false;
    }
    display_ = QStringLiteral(":%1").arg(number);
    return true;
}

}  // namespace vesk::platform::test
