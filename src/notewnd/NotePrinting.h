#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace vesk {

// Where a note is drawn on paper: from the page's top-left corner, a quarter
// of the printable width and height, in printer pixels.
QRect NotePrintArea(const QPrinter& printer);

// Asks for a printer and prints the note as one page under the document
// name title ("Untitled Note" when empty); printPage draws the page into
// the area. False when the user cancelled or the printer would not start.
bool PrintNote(QWidget* owner, const QString& title,
               const std::function<void(QPainter&, const QRect&, int)>& printPage);

}  // namespace vesk
