#include <QTest>
#include <limits>
#include <utility>

#include "UiTestRegistry.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NoteHitZones.h"

Q_DECLARE_METATYPE(vesk::Rect)

namespace vesk::test {
namespace {

// The note window's geometry: its sizes and shape, its place on the screens,
// the zones of its edges and the sizes a drag gives it.
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

    void zonesOfA200By100Note() {
        struct Case {
            QPoint at;
            SizingMode zone;
            Qt::CursorShape cursor;
        };
        using enum SizingMode;
        const Case cases[] = {
            {{199, 99}, BottomRight, Qt::SizeFDiagCursor},
            {{180, 80}, BottomRight, Qt::SizeFDiagCursor},  // the corners are 20 wide
            {{179, 80}, None, Qt::ArrowCursor},
            {{20, 80}, BottomLeft, Qt::SizeBDiagCursor},
            {{21, 99}, Bottom, Qt::SizeVerCursor},
            {{21, 94}, None, Qt::ArrowCursor},  // the edges 5
            {{5, 6}, Left, Qt::SizeHorCursor},
            {{5, 5}, TopLeft, Qt::SizeFDiagCursor},
            {{6, 5}, Top, Qt::SizeVerCursor},
            {{194, 0}, Top, Qt::SizeVerCursor},
            {{195, 5}, TopRight, Qt::SizeBDiagCursor},
            {{195, 6}, Right, Qt::SizeHorCursor},
            {{100, 50}, None, Qt::ArrowCursor},
        };
        for (const Case& c : cases) {
            const SizingMode zone = HitZone(c.at.x(), c.at.y(), 200, 100);
            QVERIFY2(
                zone == c.zone,
                qPrintable(
                    QStringLiteral("at %1,%2 got %3").arg(c.at.x()).arg(c.at.y()).arg(int(zone))));
            QCOMPARE(ZoneCursor(zone), c.cursor);
        }
    }

    void sizingMovesTheDraggedEdgesAndStopsAtTheLimits() {
        const QRect start(100, 100, 200, 150);
        const QPoint pressed(150, 150);
        // Top and left go to the pointer; right and bottom move by as much as it moved.
        QCOMPARE(SizedRect(start, SizingMode::TopLeft, pressed, QPoint(110, 120), 24),
                 QRect(QPoint(110, 120), start.bottomRight()));
        QCOMPARE(SizedRect(start, SizingMode::BottomRight, pressed, pressed + QPoint(7, 12), 24),
                 QRect(100, 100, 207, 162));
        // A title bar too high for the limit gives way to it.
        QCOMPARE(SizedRect(start, SizingMode::Bottom, pressed, pressed, 2000).height(), 1500);

        // Each zone with the way its edges go out, dragged far out and then
        // far in past the opposite edges: the other edges stay, and a note is
        // never lower than its title bar (here 60) and 10 pixels.
        using enum SizingMode;
        const std::pair<SizingMode, QPoint> zones[] = {
            {Left, {-1, 0}}, {BottomLeft, {-1, 1}}, {Bottom, {0, 1}}, {BottomRight, {1, 1}},
            {Right, {1, 0}}, {TopRight, {1, -1}},   {Top, {0, -1}},   {TopLeft, {-1, -1}},
        };
        for (const auto& [zone, out] : zones) {
            for (const int far : {5000, -5000}) {
                QRect expected(start.topLeft(), QSize(out.x() == 0 ? 200
                                                      : far > 0    ? 1500
                                                                   : 50,
                                                      out.y() == 0 ? 150
                                                      : far > 0    ? 1500
                                                                   : 70));
                if (out.x() < 0) expected.moveRight(start.right());
                if (out.y() < 0) expected.moveBottom(start.bottom());
                QVERIFY2(SizedRect(start, zone, pressed, pressed + out * far, 60) == expected,
                         qPrintable(QStringLiteral("zone %1 by %2").arg(int(zone)).arg(far)));
            }
        }
    }
};

const RegisterUiTest<NoteGeometryTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteGeometryTest.moc"
