#include <QTest>
#include <limits>

#include "UiTestRegistry.h"
#include "notewnd/NoteGeometry.h"

Q_DECLARE_METATYPE(vesk::Rect)

namespace vesk::test {
namespace {

class NoteGeometryTest : public QObject {
    Q_OBJECT

private slots:
    // The shaded sizes and the content without a title bar are the note
    // window's tests.
    void titleBarAndContentSizes() {
        QCOMPARE(TitleBarHeightFor(8), 20);
        QCOMPARE(TitleBarHeightFor(14), 24);
        // 6 pixels in from the sides and the bottom, 2 more for the shadow.
        QCOMPARE(ContentRect(QSize(202, 152), true, true, 24),
                 QRect(QPoint(6, 30), QPoint(193, 143)));
    }

    void shadowShapeCutsTheTwoOuterCorners() {
        const QRegion mask = ShadowMask(QSize(100, 80));
        for (const QPoint cut : {QPoint(98, 0), QPoint(99, 1), QPoint(0, 78), QPoint(1, 79)}) {
            QVERIFY(!mask.contains(cut));
        }
        for (const QPoint kept : {QPoint(97, 0), QPoint(98, 2), QPoint(99, 79), QPoint(0, 77)}) {
            QVERIFY(mask.contains(kept));
        }
    }

    void notesOutsideEveryScreenComeBack_data() {
        QTest::addColumn<Rect>("from");
        QTest::addColumn<Rect>("to");
        QTest::newRow("partly visible") << Rect{-150, -150, 50, 50} << Rect{-150, -150, 50, 50};
        QTest::newRow("second screen")
            << Rect{2500, 900, 2700, 1100} << Rect{2500, 900, 2700, 1100};
        QTest::newRow("beyond right and bottom")
            << Rect{4000, 2000, 4200, 2300} << Rect{1720, 780, 1920, 1080};
        QTest::newRow("left, fitting height")
            << Rect{-900, 300, -700, 400} << Rect{0, 300, 200, 400};
        QTest::newRow("touching an edge") << Rect{-200, 100, 0, 300} << Rect{0, 100, 200, 300};
        QTest::newRow("wider than a note may be")
            << Rect{5000, 0, 7000, 100} << Rect{420, 30, 1920, 130};
        QTest::newRow("larger than its screen")
            << Rect{100, 100, 1000100, 1000100} << Rect{100, 100, 1600, 1180};
        QTest::newRow("larger than the area")
            << Rect{-5000, 0, -3600, 1400} << Rect{0, 30, 1400, 1080};
        QTest::newRow("no area") << Rect{100, 100, 100, 50} << Rect{100, 100, 300, 300};
        const int far = std::numeric_limits<int>::max() - 10;
        QTest::newRow("overflowing") << Rect{far, far, far, far} << Rect{1720, 880, 1920, 1080};
    }

    void notesOutsideEveryScreenComeBack() {
        QFETCH(Rect, from);
        QFETCH(Rect, to);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(PlaceOnScreen(from, screens, QRect(0, 30, 1920, 1050)), to);
    }

    void longTitlesAreShortened() {
        QCOMPARE(ShortTitle(QStringLiteral("exactly twenty chars")),
                 QStringLiteral("exactly twenty chars"));
        QCOMPARE(ShortTitle(QStringLiteral("twenty-one characters")),
                 QStringLiteral("twenty-one charac..."));
    }
};

const RegisterUiTest<NoteGeometryTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteGeometryTest.moc"
