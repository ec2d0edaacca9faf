#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestRegistry.h"
#include "notewnd/QtImageDecoder.h"

namespace vesk::test {
namespace {

std::filesystem::path PathOf(const QString& file) {
    return std::filesystem::path(file.toStdU16String());
}

class QtImageDecoderTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QtImageDecoder decoder_;

private slots:
    void picturesKeepTheirStraightAlphaAndBrokenOnesGiveNothing() {
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(qRgba(255, 255, 255, 255));
        image.setPixel(0, 0, qRgba(10, 20, 30, 128));
        const QString file = folder_.filePath(QStringLiteral("pictüre.png"));
        QVERIFY(image.save(file));
        const auto bitmap = decoder_.Decode(PathOf(file));
        QVERIFY(bitmap != nullptr);
        QCOMPARE(bitmap->GetWidth(), 3);
        QCOMPARE(bitmap->GetHeight(), 2);
        QCOMPARE(bitmap->GetPixel(0, 0), 0x800a141eu);
        QCOMPARE(bitmap->GetPixel(1, 0), 0xffffffffu);

        QVERIFY(decoder_.Decode(PathOf(folder_.filePath(QStringLiteral("none.png")))) == nullptr);
        QFile broken(folder_.filePath(QStringLiteral("broken.png")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG\r\n\x1a\nthis is not the rest of a picture");
        broken.close();
        QVERIFY(decoder_.Decode(PathOf(broken.fileName())) == nullptr);
    }
};

const RegisterUiTest<QtImageDecoderTest> registered;

}  // namespace
}  // namespace vesk::test

#include "QtImageDecoderTest.moc"
