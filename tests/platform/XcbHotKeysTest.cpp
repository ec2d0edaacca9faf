#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QString>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "platform/XcbHotKeys.h"

namespace vesk::platform::test {

namespace {

constexpr unsigned kF5 = 0x74;
constexpr unsigned kF7 = 0x76;

// Another X client, competing for the same key combinations.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // True when the server let this client take the combination.
    bool Grab(xcb_keysym_t keysym, std::uint16_t modifiers) {
        const auto symbols = std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)>(
            xcb_key_symbols_alloc(connection_), &xcb_key_symbols_free);
        const auto codes = std::unique_ptr<xcb_keycode_t, decltype(&std::free)>(
            xcb_key_symbols_get_keycode(symbols.get(), keysym), &std::free);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        auto* error = xcb_request_check(
            connection_, xcb_grab_key_checked(connection_, 0, root, modifiers, codes.get()[0],
                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* connection_;
};

// The user at the keyboard, through the XTEST extension.
void Press(const QString& keys) { QCOMPARE(QProcess::execute("xdotool", {"key", keys}), 0); }

}  // namespace

class XcbHotKeysTest : public QObject {
    Q_OBJECT

public:
    explicit XcbHotKeysTest(bool haveServer) : haveServer_(haveServer) {}

private slots:
    void initTestCase() {
        if (!haveServer_) {
            QSKIP("Xvfb is not installed");
        }
        QCOMPARE(QGuiApplication::platformName(), "xcb");
        QVERIFY2(!QStandardPaths::findExecutable("xdotool").isEmpty(), "xdotool is missing");
    }

    void pressedCombinationsReportTheirIdsWhateverTheLocksAndNothingElse() {
        XcbHotKeys hotKeys;
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(200, kModControl | kModShift, kF5));
        QVERIFY(hotKeys.RegisterHotKey(201, kModWindows, 'S'));
        QVERIFY(hotKeys.RegisterHotKey(202, kModAlt, kF7));
        Press("super+s");
        Press("ctrl+shift+F5");
        for (const char* lock : {"Num_Lock", "Caps_Lock", "Num_Lock", "Caps_Lock"}) {
            Press(lock);
            Press("super+s");
        }
        QTRY_COMPARE(pressed.size(), 6);
        QCOMPARE(pressed[0][0].toInt(), 201);
        QCOMPARE(pressed[1][0].toInt(), 200);
        QCOMPARE(pressed[5][0].toInt(), 201);
        // Other modifiers do not trigger, nor a released combination.
        Press("ctrl+F5");
        Press("ctrl+alt+shift+F5");
        Press("super+ctrl+shift+F5");
        QVERIFY(hotKeys.UnregisterHotKey(200));
        QVERIFY(!hotKeys.UnregisterHotKey(200));
        Press("ctrl+shift+F5");
        // Events arrive in order: once this one is in, the others would be.
        Press("alt+F7");
        QTRY_COMPARE(pressed.size(), 7);
        QCOMPARE(pressed[6][0].toInt(), 202);
        OtherClient other;
        QVERIFY(other.Grab(XK_F5, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT));
    }

    void aCombinationHeldElsewhereTakenOrWithoutSymbolIsRefused() {
        OtherClient other;
        QVERIFY(other.Grab(XK_F7, XCB_MOD_MASK_CONTROL));
        {
            XcbHotKeys hotKeys;
            QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, kF7));
            QVERIFY(!hotKeys.UnregisterHotKey(200));
            QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, 0x14));
            QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, 0));
            QVERIFY(hotKeys.RegisterHotKey(200, kModWindows, 'S'));
            QVERIFY(!hotKeys.RegisterHotKey(201, kModWindows, 'S'));
            // Registering an id again moves it to the new combination.
            QVERIFY(hotKeys.RegisterHotKey(200, kModWindows, 'N'));
            QVERIFY(hotKeys.RegisterHotKey(201, kModWindows, 'S'));
            QVERIFY(hotKeys.RegisterHotKey(202, kModControl | kModShift, kF5));
            QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
            Press("super+n");
            Press("super+s");
            QTRY_COMPARE(pressed.size(), 2);
            QCOMPARE(pressed[0][0].toInt(), 200);
            QCOMPARE(pressed[1][0].toInt(), 201);
        }
        // Destroying releases every combination, whatever the locks.
        QVERIFY(other.Grab(XK_F5, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT));
        QVERIFY(other.Grab(XK_s, XCB_MOD_MASK_4 | XCB_MOD_MASK_2));
    }

private:
    bool haveServer_;
};

}  // namespace vesk::platform::test

// The application must come up on a private X server, so the server starts
// first; it takes a free display and reports it once it accepts connections.
int main(int argc, char** argv) {
    QProcess server;
    if (const QString xvfb = QStandardPaths::findExecutable("Xvfb"); !xvfb.isEmpty()) {
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        while (server.waitForReadyRead(10000) && !server.canReadLine()) {
        }
    }
    bool haveServer = false;
    const QByteArray display = server.canReadLine() ? server.readLine().trimmed() : "";
    display.toInt(&haveServer);
    if (haveServer) {
        qputenv("DISPLAY", ":" + display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    int failed = 0;
    {
        QGuiApplication app(argc, argv);
        vesk::platform::test::XcbHotKeysTest test(haveServer);
        failed = QTest::qExec(&test, argc, argv);
    }
    server.terminate();  // lets the server remove its lock file
    server.waitForFinished();
    return failed;
}

#include "XcbHotKeysTest.moc"
