#pragma once

#include <QProcess>
#include <QString>

namespace vesk::platform::test {

// A private virtual X server for one test run, on a display number that the
// server picks itself among the free ones.
class XvfbServer {
public:
    XvfbServer() = default;
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // False when Xvfb is not installed or did not come up.
    bool Start();
    // ":N" once started.
    QString Display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

}  // namespace vesk::platform::test
