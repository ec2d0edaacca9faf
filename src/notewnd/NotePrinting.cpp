#include "notewnd/NotePrinting.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "dialogs/UserPrompts.h"

namespace vesk {

QRect NotePrintArea(QSize note, QSize paper, int page) {
    const int width = std::min(note.width(), paper.width());
    return {0, 0, width, page == 1 ? std::min(note.height(), paper.height()) : paper.height()};
}

bool PrintNote(QWidget* owner, const QString& title, QSize note,
               const std::function<bool(QPainter&, const QRect&, int)>& printPage) {
    QPrinter printer;
    if (!UserPrompts::Current().ChoosePrinter(printer, owner)) {
        return false;
    }
    printer.setDocName(title.isEmpty() ? QStringLiteral("Untitled Note") : title);
    // A printer pixel as large as a screen pixel: the note, its fonts and
    // its margins come out on paper as large as they show on the screen.
    printer.setResolution(owner != nullptr ? owner->logicalDpiY() : printer.resolution());
    const QSize paper = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (int page = 1; printPage(painter, NotePrintArea(note, paper, page), page); ++page) {
        if (!printer.newPage()) {
            printer.abort();
            return false;
        }
    }
    return painter.end();
}

}  // namespace vesk
