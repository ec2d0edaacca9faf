#include <QTest>
#include <utility>

#include "UiTestRegistry.h"
#include "notewnd/NoteHitZones.h"

namespace vesk::test {
namespace {

class NoteHitZonesTest : public QObject {
    Q_OBJECT

private slots:
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

const RegisterUiTest<NoteHitZonesTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteHitZonesTest.moc"
