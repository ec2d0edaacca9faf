#include "notewnd/NotePrinting.h"

#include <QPainter>
#include <QPrinter>

#include "dialogs/UserPrompts.h"

namespace vesk {

namespace {
// The note's size on paper has always come out of these two numbers: the
// printable millimetres over 39.37, times the dots per inch, a quarter of it.
constexpr double kPageDivisor = 39.37;
constexpr double kShare = 0.25;
}  // namespace

QRect NotePrintArea(const QPrinter& printer) {
    const auto side = [](int millimetres, int dotsPerInch) {
        return static_cast<int>(millimetres / kPageDivisor * dotsPerInch * kShare);
    };
    return {0, 0, side(printer.widthMM(), printer.logicalDpiX()),
            side(printer.heightMM(), printer.logicalDpiY())};
}

bool PrintNote(QWidget* owner, const QString& title,
               const std::function<void(QPainter&, const QRect&, int)>& printPage) {
    QPrinter printer;
    if (!UserPrompts::Current().ChoosePrinter(printer, owner)) {
        return false;
    }
    printer.setDocName(title.isEmpty() ? QStringLiteral("Untitled Note") : title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    printPage(painter, NotePrintArea(printer), 1);
    return painter.end();
}

}  // namespace vesk
