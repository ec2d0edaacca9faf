// Looks at the X display's pixels for the demo run and the end-to-end
// scenarios, with DISPLAY set, and makes the pictures they show:
//   vesk_screengrab <file.png>             saves a picture of the whole display
//   vesk_screengrab dark <x> <y> <w> <h>   prints how many pixels of that
//                                          rectangle are near black
//   vesk_screengrab dark-rows <x> <y> <w> <h>
//                                          the same for each of its rows, one
//                                          line a row, from one picture
//   vesk_screengrab colour <rrggbb> <x> <y> <w> <h>
//                                          prints how many are near the colour
//   vesk_screengrab png <file.png> <w> <h> <rrggbb>
//                                          writes a picture of one colour (no
//                                          display needed)
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

namespace {

constexpr int kDarkLimit = 96;
// Per channel, for a colour that went through the display's depth.
constexpr int kColourTolerance = 8;

int Count(const QPixmap& area, const std::function<bool(QRgb)>& counted) {
    const QImage image = area.toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += counted(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool IsDark(QRgb pixel) {
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < kDarkLimit;
}

QRgb ParseColour(const char* text) {
    return 0xff000000u | static_cast<QRgb>(std::stoul(text, nullptr, 16));
}

bool Near(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) <= kColourTolerance &&
           std::abs(qGreen(pixel) - qGreen(colour)) <= kColourTolerance &&
           std::abs(qBlue(pixel) - qBlue(colour)) <= kColourTolerance;
}

int WritePicture(char** argv) {
    QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_RGB32);
    image.fill(ParseColour(argv[5]));
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}

QPixmap Grab(QScreen& screen, char** rect) {
    return screen.grabWindow(0, std::atoi(rect[0]), std::atoi(rect[1]), std::atoi(rect[2]),
                             std::atoi(rect[3]));
}

int CountIn(QScreen& screen, char** rect, const std::function<bool(QRgb)>& counted) {
    std::printf("%d\n", Count(Grab(screen, rect), counted));
    return 0;
}

int DarkRows(QScreen& screen, char** rect) {
    const QPixmap area = Grab(screen, rect);
    for (int y = 0; y < area.height(); ++y) {
        std::printf("%d\n", Count(area.copy(0, y, area.width(), 1), IsDark));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc == 6 && command == "png") return WritePicture(argv);
    const bool dark = argc == 6 && command == "dark";
    const bool darkRows = argc == 6 && command == "dark-rows";
    const bool colour = argc == 7 && command == "colour";
    if (argc != 2 && !dark && !darkRows && !colour) {
        std::fputs(
            "usage: vesk_screengrab <file.png> | dark <x> <y> <w> <h> |"
            " dark-rows <x> <y> <w> <h> | colour <rrggbb> <x> <y> <w> <h> |"
            " png <file.png> <w> <h> <rrggbb>\n",
            stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    if (dark) return CountIn(*screen, argv + 2, IsDark);
    if (darkRows) return DarkRows(*screen, argv + 2);
    if (colour) {
        const QRgb wanted = ParseColour(argv[2]);
        return CountIn(*screen, argv + 3, [wanted](QRgb pixel) { return Near(pixel, wanted); });
    }
    return screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
