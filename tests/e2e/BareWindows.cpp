// The yardstick of the start-up measurement: as many windows as the notes of
// the measurement, as bare as Qt makes them. Each is a frameless tool window
// of a note's size and place, with a mask and an opacity, titled like a note
// so that the same wait counts both.
//
//   vesk_bare_windows <count>
#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// The notes that vesk_e2e_files writes: 180 × 140 in a grid of six by five.
constexpr int kWidth = 180;
constexpr int kHeight = 140;
constexpr double kOpacity = 200.0 / 255.0;

class BareWindow : public QWidget {
public:
    explicit BareWindow(int index)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("vesknote"));
        setGeometry(20 + index % 6 * 200, 20 + index / 6 % 5 * 150, kWidth, kHeight);
        // Cut corners, like a note's shadow.
        setMask(QRegion(0, 0, kWidth, kHeight) - QRegion(kWidth - 2, 0, 2, 2) -
                QRegion(0, kHeight - 2, 2, 2));
        setWindowOpacity(kOpacity);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(255, 240, 140));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int count = argc == 2 ? std::stoi(argv[1]) : -1;
    if (count < 0) {
        std::fputs("usage: vesk_bare_windows <count>\n", stderr);
        return 2;
    }
    std::vector<std::unique_ptr<BareWindow>> windows;
    for (int i = 0; i < count; ++i) {
        windows.push_back(std::make_unique<BareWindow>(i));
        windows.back()->show();
    }
    return QApplication::exec();
}
