#include <QFontInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestRegistry.h"
#include "notewnd/QtFontDrawing.h"
#include "notewnd/QtFontEngine.h"
#include "notewnd/QtImageDecoder.h"

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

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

// The Qt engines behind the core's font and picture seams.
class QtEnginesTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    QTemporaryDir folder_;
    QtImageDecoder decoder_;

private slots:
    void initTestCase() { RegisterFontEngine(&engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }

    void recordsBecomeQtFontsInPointsWhateverTheirSize() {
        FontData font(u"DejaVu Sans", 12, true, true);
        QVERIFY(font.MakeUsable());
        const QFont plain = QtDrawingFonts::Of(font)->GetPlainFont();
        QCOMPARE(QFontInfo(plain).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(plain.pointSizeF(), 12.0);
        QVERIFY(plain.bold() && plain.italic() && !plain.underline());
        QVERIFY(QtDrawingFonts::Of(font)->GetLinkFont().underline());
        // A line is a little more than the points at the screen's resolution.
        const double pixels = 12.0 * engine_.GetScreenResolution() / 72.0;
        QVERIFY(font.GetHeight() >= int(pixels) && font.GetHeight() <= int(pixels * 1.5));
        // Unknown faces and odd sizes still give a font.
        for (FontData odd : {FontData(u"No Such Face At All", 12, false, false),
                             FontData(u"DejaVu Sans", 0, false, false)}) {
            QVERIFY(odd.MakeUsable());
            QVERIFY(odd.GetHeight() > 0);
        }
        FontData huge(u"DejaVu Sans", 2000000000, false, false);
        QVERIFY(huge.MakeUsable());
        QCOMPARE(QtDrawingFonts::Of(huge)->GetPlainFont().pointSizeF(), 1000.0);
    }

    void drawsOneUnclippedLineOnlyWithItsFonts() {
        FontData font(u"DejaVu Sans", 12, false, false);
        QImage image(300, 60, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QRectF narrow(0, 0, 40, 20);
        const QString text = QStringLiteral("a rather long line");
        // A copy has no drawing fonts: nothing is drawn.
        const FontData copy = font;
        QVERIFY(!DrawText(painter, copy, RGB(0, 0, 0), narrow, text, false, false));
        QCOMPARE(InkedPixels(image), 0);

        // Too long for its box, the text runs on past it on the same line.
        QVERIFY(font.MakeUsable());
        QVERIFY(DrawText(painter, font, RGB(255, 0, 0), narrow, text, false, false));
        painter.end();
        QVERIFY(InkedPixels(image.copy(100, 0, 200, 30)) > 0);
        QCOMPARE(InkedPixels(image.copy(0, 30, 300, 30)), 0);
    }

    // Qt's own limit on the memory of one image, lowered here to a megabyte,
    // stands for the photo of a good camera that runs past the default.
    void picturesKeepTheirStraightAlphaWhateverQtsAllocationLimit() {
        QImage image(1000, 600, QImage::Format_ARGB32);
        image.fill(qRgba(255, 255, 255, 255));
        image.setPixel(0, 0, qRgba(10, 20, 30, 128));
        const QString file = folder_.filePath(QStringLiteral("pictüre.png"));
        QVERIFY(image.save(file));
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1);
        const auto bitmap = decoder_.Decode(PathOf(file));
        QImageReader::setAllocationLimit(limit);
        QVERIFY(bitmap != nullptr);
        QCOMPARE(bitmap->GetWidth(), 1000);
        QCOMPARE(bitmap->GetHeight(), 600);
        QCOMPARE(bitmap->GetPixel(0, 0), 0x800a141eu);
        QCOMPARE(bitmap->GetPixel(999, 599), 0xffffffffu);
    }
};

const RegisterUiTest<QtEnginesTest> registered;

}  // namespace
}  // namespace vesk::test

#include "QtEnginesTest.moc"
