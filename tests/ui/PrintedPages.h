#pragma once

#include <QImage>
#include <QList>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "ScriptedPrompts.h"

namespace vesk::test {

// A note window of the kind that draws each printed page into an image of
// the page at the printer's resolution, where its pixels can be read.
template <typename Kind>
class PrintedPages : public Kind {
public:
    using Kind::Kind;
    QList<QImage> printed;

protected:
    bool PrintPage(QPainter& printer, int page) override {
        const QRect area = this->PaintArea();
        QImage image(area.x() + area.width(), area.y() + area.height(), QImage::Format_RGB32);
        const int dotsPerMetre = qRound(printer.device()->logicalDpiY() / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        QPainter painter(&image);
        const bool more = Kind::PrintPage(painter, page);
        printed.append(image);
        return more;
    }
};

// The print dialog's answer: an A4 PDF at 300 dots per inch into the file.
inline void ChoosePdfPrinter(ScriptedPrompts& prompts, const QString& path) {
    prompts.printers.push_back([path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(300);
        return true;
    });
}

inline bool IsDark(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

struct PrintedInk {
    // Runs of rows with dark pixels below the title bar, over all pages.
    int lines = 0;
    // The first pixel found outside the margins or in colour, if any.
    QString stray;
};

// Reads printed pages: the title inside its box, the content inside margins
// of 20 pixels left, right and bottom, and everything in greys.
inline PrintedInk ReadPrintedPages(const QList<QImage>& pages, int titleBar) {
    PrintedInk ink;
    for (const QImage& page : pages) {
        bool inLine = false;
        for (int y = 0; y < page.height(); ++y) {
            bool inked = false;
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                const bool inside =
                    y < titleBar ? x >= 5 && x < page.width() - 5
                                 : x >= 20 && x < page.width() - 20 && y < page.height() - 20;
                if (ink.stray.isEmpty() &&
                    ((pixel != qRgb(255, 255, 255) && !inside) || qRed(pixel) != qGreen(pixel))) {
                    ink.stray = QString("%1,%2").arg(x).arg(y);
                }
                inked = inked || (y >= titleBar && IsDark(pixel));
            }
            ink.lines += inked && !inLine ? 1 : 0;
            inLine = inked;
        }
    }
    return ink;
}

}  // namespace vesk::test
