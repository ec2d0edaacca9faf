#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

namespace vesk {

// The Notebook's pictures, drawn here rather than shipped: the bands behind
// the tabs and the buttons, the folder tabs and the rows' kind icons.
namespace NotebookPictures {

// 3 × 23, stretched across the top of the list.
QPixmap TabStrip();
// 3 × 25, stretched across the check band, the bottom band and the
// preview's header.
QPixmap Band();
// A folder tab of the given width and the strip's height; down is how the
// tab of the folder shown looks.
QPixmap Tab(const QString& caption, int width, bool down);
// 32 × 32, by RowIcon index: each kind in colour, then greyed.
QPixmap RowPicture(int index);

}  // namespace NotebookPictures

// A face sized by its character cell in pixels, as the older font records
// give their heights, rather than by its em.
QFont CellHeightFont(const QString& family, int cellHeight);

}  // namespace vesk
