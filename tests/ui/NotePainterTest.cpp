#include <QImage>
#include <QPainter>
#include <QTest>

#include "FakeNoteHost.h"
#include "UiTestRegistry.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/NotePainter.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

constexpr QSize kClient(102, 82);

bool Near(QRgb pixel, int r, int g, int b, int tolerance = 6) {
    return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance &&
           std::abs(qBlue(pixel) - b) <= tolerance;
}

// The bounds of the pixels in the white title colour inside the region; null
// when there are none.
QRect WhiteBounds(const QImage& image, const QRect& region) {
    QRect bounds;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

class NotePainterTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    FontData titleFont_{u"DejaVu Sans", 10, false, false};

    int TitleBarHeight() const { return TitleBarHeightFor(titleFont_.GetHeight()); }

    QImage Paint(const NoteData& note, bool editing = false, bool shadow = true) const {
        QImage image(kClient, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const int titleBar = TitleBarHeight();
        PaintNoteBackground(painter, {.note = note,
                                      .titleFont = titleFont_,
                                      .area = NoteArea(kClient, shadow),
                                      .titleBarHeight = titleBar,
                                      .titleBarShown = note.GetShowTitle(),
                                      .editing = editing,
                                      .contentFrame = ContentRect(kClient, shadow, true, titleBar),
                                      .shadow = shadow});
        return image;
    }

private slots:
    void initTestCase() {
        RegisterFontEngine(&engine_);
        QVERIFY(titleFont_.MakeUsable());
    }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }

    void alarmClockShowsOnlyWithAnAlarm() {
        auto note = MakeNote({}, u"");
        const QRect corner(0, 0, TitleBarHeight(), TitleBarHeight());
        const QImage without = Paint(*note);
        QVERIFY(WhiteBounds(without, corner).isNull());
        note->EnableAlarm(true);
        const QImage image = Paint(*note);
        // A clock whose hands point at twelve and three from its centre.
        const int h = TitleBarHeight() / 2;
        const int o = h - h / 2;
        QCOMPARE(WhiteBounds(image, corner), QRect(o - 1, o - 1, h + 2, h + 2));
        const QPoint threeOClock(o + h / 2 + 3, o + h / 2 + 1);
        QVERIFY(qRed(image.pixel(threeOClock)) > qRed(without.pixel(threeOClock)) + 40);
    }

    void titleIsCentredAndStartsAfterTheAlarmClock() {
        auto note = MakeNote({}, u"Hi");
        const int titleBar = TitleBarHeight();
        const QRect strip(0, 0, kClient.width(), titleBar);
        const QRect title = WhiteBounds(Paint(*note), strip);
        QVERIFY(title.left() > 30 && std::abs(title.center().x() - 50) <= 3);
        // A shaded note shows its title even when the bar is hidden.
        note->SetShowTitle(false);
        note->SetShaded(true);
        QCOMPARE(WhiteBounds(Paint(*note), strip), title);

        // Too long for its box: it starts at the box's left edge and is cut
        // before the right one.
        note = MakeNote({}, u"Monday morning meeting notes");
        const QRect cut = WhiteBounds(Paint(*note), strip);
        QVERIFY(cut.left() >= 5 && cut.left() <= 7);
        QVERIFY(cut.right() < 95);

        // Too long to centre: it starts after the clock instead of running past it.
        note->EnableAlarm(true);
        const QImage image = Paint(*note);
        const int clockRight = titleBar / 2 - titleBar / 4 + titleBar / 2 + 1;
        QVERIFY(WhiteBounds(image, QRect(clockRight + 1, 0, titleBar - clockRight - 2, titleBar))
                    .isNull());
        QVERIFY(!WhiteBounds(image, QRect(titleBar, 0, 8, titleBar)).isNull());
    }

    void editingFramesTheEditorsInsteadOfTheTitle() {
        auto note = MakeNote({}, u"Hi");
        const int titleBar = TitleBarHeight();
        const QImage image = Paint(*note, true);
        QVERIFY(WhiteBounds(image, QRect(0, 0, kClient.width(), titleBar)).isNull());
        // The title edit's frame at x 5, the content's at x 6 below it.
        QVERIFY(Near(image.pixel(5, titleBar / 2), 0, 0, 0));
        QVERIFY(Near(image.pixel(6, titleBar + 20), 0, 0, 0));
        QVERIFY(!Near(Paint(*note).pixel(6, titleBar + 20), 0, 0, 0, 30));
    }

    // The body fades from the first colour to the second; the shadow runs
    // along the right and bottom edges, cast from 2 pixels down and right so
    // that its outer ends stay clear.
    void bodyFadesAndCastsItsShadow() {
        auto note = MakeNote({}, u"");
        note->SetShowTitle(false);
        note->GetStyle().SetColors(RGB(255, 0, 0), RGB(0, 0, 255), 0, RGB(255, 255, 255));
        const QImage image = Paint(*note);
        QVERIFY(Near(image.pixel(50, 0), 255, 0, 0) && Near(image.pixel(50, 79), 0, 0, 255));
        QVERIFY(Near(image.pixel(50, 40), 128, 0, 128, 10));
        for (const QPoint dark : {QPoint(100, 2), QPoint(101, 81), QPoint(2, 80)}) {
            QCOMPARE(image.pixel(dark), qRgb(0, 0, 0));
        }
        QCOMPARE(qAlpha(image.pixel(100, 1)), 0);
        QCOMPARE(qAlpha(image.pixel(0, 81)), 0);
        QVERIFY(!Near(Paint(*note, false, false).pixel(101, 50), 0, 0, 0, 30));
    }
};

const RegisterUiTest<NotePainterTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NotePainterTest.moc"
