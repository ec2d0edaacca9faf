// Looks at the X display's pixels for the demo run and the end-to-end
// scenarios, with DISPLAY set:
//   vesk_screengrab <file.png>             saves a picture of the whole display
//   vesk_screengrab dark <x> <y> <w> <h>   prints how many pixels of that
//                                          rectangle are near black
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kDarkLimit = 96;

int CountDark(const QPixmap& area) {
    const QImage image = area.toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < kDarkLimit) ++dark;
        }
    }
    return dark;
}

}  // namespace

int main(int argc, char** argv) {
    const bool dark = argc == 6 && std::string_view(argv[1]) == "dark";
    if (argc != 2 && !dark) {
        std::fputs("usage: vesk_screengrab <file.png> | dark <x> <y> <w> <h>\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    if (dark) {
        const QPixmap area = screen->grabWindow(0, std::atoi(argv[2]), std::atoi(argv[3]),
                                                std::atoi(argv[4]), std::atoi(argv[5]));
        std::printf("%d\n", CountDark(area));
        return 0;
    }
    return screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
