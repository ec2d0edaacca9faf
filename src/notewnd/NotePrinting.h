#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace vesk {

// Where a note is drawn on its page, in printer pixels at the screen's
// resolution: the note's own size, no wider than the paper; the pages after
// the first go on down the whole paper.
QRect NotePrintArea(QSize note, QSize paper, int page);

// Asks for a printer and prints the note under the document name title
// ("Untitled Note" when empty), as large as the note of the given size is on
// the screen. printPage draws a page into its area and answers whether
// another page follows. False when the user cancelled or the printer would
// not start.
bool PrintNote(QWidget* owner, const QString& title, QSize note,
               const std::function<bool(QPainter&, const QRect&, int)>& printPage);

}  // namespace vesk
