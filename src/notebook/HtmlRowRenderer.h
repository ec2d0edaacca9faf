#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <memory>

#include "notebook/HtmlListRows.h"

class QPainter;

namespace vesk {

class QtHtmlFonts;

// Extended style flags of the list.
inline constexpr unsigned HTMLLIST_EX_CHECKBOXES = 1;
inline constexpr unsigned HTMLLIST_EX_GRIDLINES = 2;
inline constexpr unsigned HTMLLIST_EX_IMAGES = 4;

// Measures and draws the list's rows in its row font, with check boxes,
// images and grid lines as the style flags ask.
class HtmlRowRenderer {
public:
    HtmlRowRenderer();
    ~HtmlRowRenderer();

    void SetStyle(unsigned style) { style_ = style; }
    unsigned Style() const { return style_; }
    bool HasCheckBoxes() const { return (style_ & HTMLLIST_EX_CHECKBOXES) != 0; }
    // Not owned; may be null.
    void SetImages(const QList<QPixmap>* images) { images_ = images; }

    // Lays the row out for a list of the width; returns the height it needs.
    int Measure(HTMLLIST_ITEM& row, int listWidth) const;
    void Paint(QPainter& painter, const QRect& rect, const HTMLLIST_ITEM& row, bool selected,
               bool focused) const;

private:
    bool HasImage(int image) const;
    QSize ImageSize(int image) const;

    unsigned style_ = 0;
    const QList<QPixmap>* images_ = nullptr;
    QFont font_;
    std::unique_ptr<QtHtmlFonts> fonts_;
};

}  // namespace vesk
