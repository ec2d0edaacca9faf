#include <QTest>

#include "PlatformTestSupport.h"
#include "platform/DisplayPlatform.h"

namespace vesk::platform::test {

using Value = std::optional<QByteArray>;

namespace {

const QByteArray kUnset = "(unset)";

QByteArray ChosenPlatform() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM") : kUnset;
}

}  // namespace

class DisplayPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void xcbOnlyUnderWaylandWithXWaylandAndNoChoice_data() {
        QTest::addColumn<Value>("wayland");
        QTest::addColumn<Value>("display");
        QTest::addColumn<Value>("chosen");
        QTest::addColumn<QByteArray>("result");
        const Value unset;
        const Value wayland("wayland-0");
        const Value x(":0");
        QTest::newRow("wayland with xwayland") << wayland << x << unset << QByteArray("xcb");
        QTest::newRow("empty choice is none") << wayland << x << Value("") << QByteArray("xcb");
        QTest::newRow("user chose wayland")
            << wayland << x << Value("wayland") << QByteArray("wayland");
        QTest::newRow("user chose offscreen")
            << wayland << x << Value("offscreen") << QByteArray("offscreen");
        QTest::newRow("wayland without xwayland") << wayland << unset << unset << kUnset;
        QTest::newRow("empty x display") << wayland << Value("") << unset << kUnset;
        QTest::newRow("x11 session") << unset << x << unset << kUnset;
        QTest::newRow("empty wayland display") << Value("") << x << unset << kUnset;
        QTest::newRow("no display at all") << unset << unset << unset << kUnset;
    }
    void xcbOnlyUnderWaylandWithXWaylandAndNoChoice() {
        QFETCH(Value, wayland);
        QFETCH(Value, display);
        QFETCH(Value, chosen);
        QFETCH(QByteArray, result);
        EnvironmentGuard env;
        env.Set("WAYLAND_DISPLAY", wayland);
        env.Set("DISPLAY", display);
        env.Set("QT_QPA_PLATFORM", chosen);
        PreferXWaylandOnWayland();
        QCOMPARE(ChosenPlatform(), result);
    }
};

static RegisterTest<DisplayPlatformTest> registration;

}  // namespace vesk::platform::test

#include "DisplayPlatformTest.moc"
