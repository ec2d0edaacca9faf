#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "UiTestRegistry.h"
#include "notewnd/QtFontDrawing.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return inked;
}

class QtFontEngineTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;

private slots:
    void initTestCase() { RegisterFontEngine(&engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }

    void recordsBecomeQtFontsInPoints() {
        FontData font(u"DejaVu Sans", 12, true, true);
        QVERIFY(font.MakeUsable());
        const QtDrawingFonts* fonts = QtDrawingFonts::Of(font);
        QVERIFY(fonts != nullptr);
        const QFont plain = fonts->GetPlainFont();
        QCOMPARE(QFontInfo(plain).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(plain.pointSizeF(), 12.0);
        QVERIFY(plain.bold() && plain.italic() && !plain.underline());
        QVERIFY(fonts->GetLinkFont().underline());
        // Line height at the screen's resolution: 12 points are 16 pixels at
        // 96 dots per inch, and a line is a little more.
        const double pixels = 12.0 * engine_.GetScreenResolution() / 72.0;
        QVERIFY(font.GetHeight() >= int(pixels) && font.GetHeight() <= int(pixels * 1.5));
        FontData larger(u"DejaVu Sans", 24, false, false);
        QVERIFY(larger.MakeUsable());
        QVERIFY(larger.GetHeight() > font.GetHeight());
    }

    void unknownFacesAndOddSizesStillGiveAFont() {
        FontData unknown(u"No Such Face At All", 12, false, false);
        QVERIFY(unknown.MakeUsable());
        QVERIFY(unknown.GetHeight() > 0);
        QVERIFY(QtDrawingFonts::Of(unknown)->GetPlainFont().families() !=
                QStringList{"No Such Face At All"});
        FontData zero(u"DejaVu Sans", 0, false, false);
        QVERIFY(zero.MakeUsable());
        QVERIFY(zero.GetHeight() > 0);
        FontData huge(u"DejaVu Sans", 2000000000, false, false);
        QVERIFY(huge.MakeUsable());
        QCOMPARE(QtDrawingFonts::Of(huge)->GetPlainFont().pointSizeF(), 1000.0);
    }

    void drawsOneUnclippedLineAndMeasuresOnlyWithItsFonts() {
        FontData font(u"DejaVu Sans", 12, false, false);
        QImage image(300, 60, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF narrow(0, 0, 40, 20);
        const QString text = QStringLiteral("a rather long line");
        // A copy has no drawing fonts: nothing is drawn or measured.
        const FontData copy = font;
        QVERIFY(!DrawText(painter, copy, RGB(0, 0, 0), narrow, text, false, false));
        QVERIFY(!MeasureText(copy, text));
        QCOMPARE(InkedPixels(image), 0);

        // Too long for its box, the text runs on past it on the same line.
        QVERIFY(font.MakeUsable());
        QVERIFY(DrawText(painter, font, RGB(255, 0, 0), narrow, text, false, false));
        painter.end();
        QVERIFY(InkedPixels(image.copy(100, 0, 200, 30)) > 0);
        QCOMPARE(InkedPixels(image.copy(0, 30, 300, 30)), 0);

        const auto shortBox = MeasureText(font, "ab");
        const auto longBox = MeasureText(font, "abab");
        QVERIFY(shortBox && longBox);
        QCOMPARE(shortBox->topLeft(), QPoint(0, 0));
        QCOMPARE(shortBox->height(), font.GetHeight());
        QVERIFY(std::abs(longBox->width() - 2 * shortBox->width()) <= 1);
    }
};

const RegisterUiTest<QtFontEngineTest> registered;

}  // namespace
}  // namespace vesk::test

#include "QtFontEngineTest.moc"
