#include <QTest>
#include <limits>

#include "UiTestRegistry.h"
#include "notewnd/NoteGeometry.h"

namespace vesk::test {
namespace {

class NoteGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void titleBarIsTenAboveTheFontAndAtLeast20() {
        QCOMPARE(TitleBarHeightFor(0), 20);
        QCOMPARE(TitleBarHeightFor(8), 20);
        QCOMPARE(TitleBarHeightFor(14), 24);
    }

    void recordRectanglesKeepTheirEdges() {
        const Rect rect{-20, 30, 180, 330};
        QCOMPARE(ToQRect(rect), QRect(-20, 30, 200, 300));
        QCOMPARE(ToRect(ToQRect(rect)), rect);
    }

    void contentLeavesMarginsShadowAndTitleBar() {
        // 6 pixels in from the sides and the bottom, 2 more for the shadow.
        QCOMPARE(ContentRect(QSize(202, 152), true, true, 24),
                 QRect(QPoint(6, 30), QPoint(193, 143)));
        QCOMPARE(ContentRect(QSize(200, 150), false, false, 24),
                 QRect(QPoint(6, 6), QPoint(193, 143)));
        QCOMPARE(NoteArea(QSize(202, 152), true), QRect(0, 0, 200, 150));
        QCOMPARE(NoteArea(QSize(202, 152), false), QRect(0, 0, 202, 152));
    }

    void shadowShapeCutsTheTwoOuterCorners() {
        const QRegion mask = ShadowMask(QSize(100, 80));
        for (const QPoint cut : {QPoint(98, 0), QPoint(99, 1), QPoint(0, 78), QPoint(1, 79)}) {
            QVERIFY2(!mask.contains(cut),
                     qPrintable(QStringLiteral("%1,%2").arg(cut.x()).arg(cut.y())));
        }
        for (const QPoint kept : {QPoint(0, 0), QPoint(97, 0), QPoint(98, 2), QPoint(99, 79),
                                  QPoint(2, 79), QPoint(0, 77)}) {
            QVERIFY2(mask.contains(kept),
                     qPrintable(QStringLiteral("%1,%2").arg(kept.x()).arg(kept.y())));
        }
    }

    void shadedNoteIsItsTitleBarHigh() {
        const QRect window(40, 50, 220, 300);
        QCOMPARE(ShadedRect(window, 24, true), QRect(40, 50, 220, 26));
        QCOMPARE(ShadedRect(window, 24, false), QRect(40, 50, 220, 24));
    }

    void notesOutsideEveryScreenComeBack() {
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        const QRect available(0, 30, 1920, 1050);
        // Partly visible, or on the second screen: stays.
        const Rect straddling{-150, -150, 50, 50};
        QCOMPARE(PlaceOnScreen(straddling, screens, available), straddling);
        const Rect second{2500, 900, 2700, 1100};
        QCOMPARE(PlaceOnScreen(second, screens, available), second);
        // Beyond the right and lower edges: nearest place inside, same size.
        QCOMPARE(PlaceOnScreen({4000, 2000, 4200, 2300}, screens, available),
                 (Rect{1720, 780, 1920, 1080}));
        // Left of everything, at a height that fits: only moves sideways.
        QCOMPARE(PlaceOnScreen({-900, 300, -700, 400}, screens, available),
                 (Rect{0, 300, 200, 400}));
        // Just touching an edge is not visible.
        QCOMPARE(PlaceOnScreen({-200, 100, 0, 300}, screens, available), (Rect{0, 100, 200, 300}));
        // Larger than the available area: its top-left corner.
        QCOMPARE(PlaceOnScreen({5000, 0, 7000, 100}, screens, available), (Rect{0, 30, 2000, 130}));
    }

    void notesWithoutAreaGetANewNotesSize() {
        const QList<QRect> screens{QRect(0, 0, 800, 600)};
        QCOMPARE(PlaceOnScreen({100, 100, 100, 50}, screens, QRect(0, 0, 800, 600)),
                 (Rect{100, 100, 300, 300}));
        const int far = std::numeric_limits<int>::max() - 10;
        const Rect placed = PlaceOnScreen({far, far, far, far}, screens, QRect(0, 0, 800, 600));
        QCOMPARE(placed, (Rect{600, 400, 800, 600}));
    }

    void longTitlesAreShortened() {
        QCOMPARE(ShortTitle(QStringLiteral("exactly twenty chars")),
                 QStringLiteral("exactly twenty chars"));
        QCOMPARE(ShortTitle(QStringLiteral("twenty-one characters")),
                 QStringLiteral("twenty-one charac..."));
        QCOMPARE(ShortTitle(QString()), QString());
    }
};

const RegisterUiTest<NoteGeometryTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteGeometryTest.moc"
