#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "XvfbServer.h"
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

    void pressedCombinationsReportTheirIds() {
        XcbHotKeys hotKeys;
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(200, kModControl | kModShift, kF5));
        QVERIFY(hotKeys.RegisterHotKey(201, kModWindows, 'S'));
        Press("super+s");
        Press("ctrl+shift+F5");
        QTRY_COMPARE(pressed.size(), 2);
        QCOMPARE(pressed[0][0].toInt(), 201);
        QCOMPARE(pressed[1][0].toInt(), 200);
    }

    void locksDoNotMatter() {
        XcbHotKeys hotKeys;
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(200, kModShift | kModControl, 'N'));
        Press("Num_Lock");
        Press("ctrl+shift+n");
        Press("Caps_Lock");
        Press("ctrl+shift+n");
        Press("Num_Lock");
        Press("ctrl+shift+n");
        Press("Caps_Lock");
        QTRY_COMPARE(pressed.size(), 3);
    }

    void otherModifiersDoNotTrigger() {
        XcbHotKeys hotKeys;
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(200, kModControl | kModShift, kF5));
        QVERIFY(hotKeys.RegisterHotKey(201, kModAlt, kF7));
        Press("ctrl+F5");
        Press("ctrl+alt+shift+F5");
        Press("super+ctrl+shift+F5");
        // Events arrive in order: once this one is in, the others would be.
        Press("alt+F7");
        QTRY_COMPARE(pressed.size(), 1);
        QCOMPARE(pressed[0][0].toInt(), 201);
    }

    void unregisteredCombinationIsReleased() {
        XcbHotKeys hotKeys;
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(200, kModControl | kModShift, kF5));
        QVERIFY(hotKeys.RegisterHotKey(201, kModAlt, kF7));
        QVERIFY(hotKeys.UnregisterHotKey(200));
        QVERIFY(!hotKeys.UnregisterHotKey(200));
        Press("ctrl+shift+F5");
        Press("alt+F7");
        QTRY_COMPARE(pressed.size(), 1);
        QCOMPARE(pressed[0][0].toInt(), 201);
        OtherClient other;
        QVERIFY(other.Grab(XK_F5, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT));
    }

    void combinationHeldElsewhereIsRefused() {
        OtherClient other;
        QVERIFY(other.Grab(XK_F7, XCB_MOD_MASK_CONTROL));
        XcbHotKeys hotKeys;
        QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, kF7));
        QVERIFY(!hotKeys.UnregisterHotKey(200));
        // Nothing else is affected.
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        QVERIFY(hotKeys.RegisterHotKey(201, kModControl, kF5));
        Press("ctrl+F5");
        QTRY_COMPARE(pressed.size(), 1);
    }

    void oneCombinationServesOneId() {
        XcbHotKeys hotKeys;
        QVERIFY(hotKeys.RegisterHotKey(200, kModWindows, 'S'));
        QVERIFY(!hotKeys.RegisterHotKey(201, kModWindows, 'S'));
        // Registering an id again moves it to the new combination.
        QVERIFY(hotKeys.RegisterHotKey(200, kModWindows, 'N'));
        QVERIFY(hotKeys.RegisterHotKey(201, kModWindows, 'S'));
        QSignalSpy pressed(&hotKeys, &HotKeys::HotKeyPressed);
        Press("super+n");
        Press("super+s");
        QTRY_COMPARE(pressed.size(), 2);
        QCOMPARE(pressed[0][0].toInt(), 200);
        QCOMPARE(pressed[1][0].toInt(), 201);
    }

    void keysWithoutSymbolAreRefused() {
        XcbHotKeys hotKeys;
        QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, 0x14));
        QVERIFY(!hotKeys.RegisterHotKey(200, kModControl, 0));
    }

    void destroyingReleasesEveryCombination() {
        {
            XcbHotKeys hotKeys;
            QVERIFY(hotKeys.RegisterHotKey(200, kModControl | kModShift, kF5));
            QVERIFY(hotKeys.RegisterHotKey(201, kModWindows, 'S'));
        }
        OtherClient other;
        QVERIFY(other.Grab(XK_F5, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT));
        QVERIFY(other.Grab(XK_s, XCB_MOD_MASK_4 | XCB_MOD_MASK_2));
    }

private:
    bool haveServer_;
};

}  // namespace vesk::platform::test

// The application must come up on the private X server, so the server starts
// before it.
int main(int argc, char** argv) {
    vesk::platform::test::XvfbServer server;
    const bool haveServer = server.Start();
    if (haveServer) {
        qputenv("DISPLAY", server.Display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QGuiApplication app(argc, argv);
    vesk::platform::test::XcbHotKeysTest test(haveServer);
    return QTest::qExec(&test, argc, argv);
}

#include "XcbHotKeysTest.moc"
