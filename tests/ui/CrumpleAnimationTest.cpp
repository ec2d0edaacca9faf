#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "UiTestRegistry.h"
#include "notewnd/CrumpleAnimation.h"

namespace vesk::test {
namespace {

// A window that records its sizes and the presses that reach it.
class Window : public QWidget {
public:
    QList<QRect> frames;
    int presses = 0;

    Window() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {}

protected:
    void resizeEvent(QResizeEvent*) override { frames.append(geometry()); }
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

void Press(QWidget& window) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                      QPointF(window.mapToGlobal(QPoint(2, 2))), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
}

class CrumpleAnimationTest : public QObject {
    Q_OBJECT

private slots:
    void shrinksTheWindowThenPutsItBack() {
        const QRect place(100, 50, 200, 100);
        Window window;
        window.setGeometry(place);
        window.show();
        window.frames.clear();
        CrumpleAnimation animation(window);
        int finished = 0;
        animation.Start([&] { ++finished; });
        QVERIFY(animation.IsRunning());
        QCOMPARE(animation.GetCapture().size(), place.size());
        Press(window);
        QCOMPARE(window.presses, 0);

        QTRY_VERIFY(!animation.IsRunning());
        QCOMPARE(finished, 1);
        QCOMPARE(window.geometry(), place);
        QVERIFY(animation.GetCapture().isNull());
        // Frames 1 to 29, then back to the note's place.
        QCOMPARE(window.frames.size(), CrumpleAnimation::kFrameCount);
        QCOMPARE(window.frames.at(28), QRect(196, 98, 8, 4));
        QCOMPARE(window.frames.last(), place);
        // Halves of odd sides are whole pixels: 100 and 50 here.
        QCOMPARE(CrumpleFrameRect(QRect(0, 0, 201, 101), 29), QRect(96, 48, 9, 5));
        Press(window);
        QCOMPARE(window.presses, 1);
    }

    void aWindowDestroyedMidwayEndsItQuietly() {
        auto window = std::make_unique<Window>();
        window->setGeometry(100, 50, 200, 100);
        window->show();
        CrumpleAnimation animation(*window);
        bool finished = false;
        animation.Start([&] { finished = true; });
        QTRY_VERIFY(window->frames.size() >= 3);
        window.reset();
        QTRY_VERIFY(!animation.IsRunning());
        QVERIFY(!finished);
        QVERIFY(animation.GetCapture().isNull());
    }
};

const RegisterUiTest<CrumpleAnimationTest> registered;

}  // namespace
}  // namespace vesk::test

#include "CrumpleAnimationTest.moc"
