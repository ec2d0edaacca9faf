#include <QImage>
#include <QSet>
#include <QTest>

#include "UiTestRegistry.h"
#include "app/KindIcons.h"

namespace vesk::test {
namespace {

QImage Render(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Drawn, not an empty or fully transparent picture.
bool IsDrawn(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
    }
    return opaque > image.width() * image.height() / 3;
}

class KindIconsTest : public QObject {
    Q_OBJECT

private slots:
    void kindBitmapsAreDrawnAndDistinct() {
        QSet<QByteArray> pictures;
        for (const int id :
             {KindBitmap::kMessageChecked, KindBitmap::kMessageUnchecked,
              KindBitmap::kScribbleChecked, KindBitmap::kScribbleUnchecked,
              KindBitmap::kOtherChecked, KindBitmap::kOtherUnchecked, KindBitmap::kPicture}) {
            const QImage image = Render(KindIcon(id), 16);
            QVERIFY2(IsDrawn(image), qPrintable(QString::number(id)));
            pictures.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        // A shown and a hidden note, or two kinds, never share a picture.
        QCOMPARE(pictures.size(), 7);
        QVERIFY(KindIcon(0).isNull());
        for (const int size : {16, 22, 48}) {
            const QImage image = Render(AppIcon(), size);
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(IsDrawn(image));
        }
    }
};

const RegisterUiTest<KindIconsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "KindIconsTest.moc"
