#include <QTest>

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

    void sizingFollowsThePointerWithinTheLimits() {
        const QRect window(100, 100, 200, 150);
        const QPoint anchor(198, 148);
        // Top and left go to the pointer; right and bottom move by as much as it moved.
        QCOMPARE(SizedRect(window, SizingMode::TopLeft, QPoint(10, 20), QPoint(2, 2), 24),
                 QRect(QPoint(110, 120), window.bottomRight()));
        QCOMPARE(SizedRect(window, SizingMode::BottomRight, QPoint(205, 160), anchor, 24),
                 QRect(100, 100, 207, 162));
        QCOMPARE(SizedRect(window, SizingMode::Left, QPoint(-30, 50), QPoint(2, 40), 24),
                 QRect(70, 100, 230, 150));
        QCOMPARE(SizedRect(window, SizingMode::BottomRight, QPoint(-500, -500), anchor, 24).size(),
                 QSize(50, 50));
        QCOMPARE(SizedRect(window, SizingMode::BottomRight, QPoint(5000, 5000), anchor, 24).size(),
                 QSize(1500, 1500));
        // Never lower than the title bar and 10 pixels, yet never past the limit.
        QCOMPARE(SizedRect(window, SizingMode::BottomRight, QPoint(0, 0), anchor, 60).size(),
                 QSize(50, 70));
        QCOMPARE(SizedRect(window, SizingMode::Bottom, QPoint(0, 0), anchor, 2000).height(), 1500);
    }
};

const RegisterUiTest<NoteHitZonesTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteHitZonesTest.moc"
