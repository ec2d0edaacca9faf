#include "notebook/HtmlRowRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "notebook/CheckBoxPictures.h"
#include "notebook/HtmlDrawing.h"
#include "notebook/PathCompaction.h"
#include "notebook/QtHtmlFonts.h"

namespace vesk {

namespace {

// Around the text: above it, and below it in the measured height.
constexpr int kTextMargin = 5;
const QColor kSelectionColor(250, 250, 148);
const QColor kGridColor(160, 160, 160);

QFont RowFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    font.setWeight(QFont::Normal);
    return font;
}

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

HtmlRowRenderer::HtmlRowRenderer()
    : font_(RowFont()), fonts_(std::make_unique<QtHtmlFonts>(font_)) {}

HtmlRowRenderer::~HtmlRowRenderer() = default;

int HtmlRowRenderer::Measure(HTMLLIST_ITEM& row, int listWidth) const {
    const bool image = (style_ & HTMLLIST_EX_IMAGES) != 0 && HasImage(row.image);
    const int width =
        listWidth - (HasCheckBoxes() ? 24 : 5) - (image ? ImageSize(row.image).width() + 10 : 0);
    row.layout = {};
    switch (row.style) {
        case HTMLLIST_STYLE_HTML:
            row.layout = LayOutHtml(row.text, width, HtmlFormat::kWordBreak, *fonts_, 0);
            return row.layout.height + 2 * kTextMargin;
        case HTMLLIST_STYLE_TEXT:
            return QFontMetrics(font_)
                       .boundingRect(QRect(0, 0, std::max(width, 1), 0), Qt::TextWordWrap,
                                     ToQString(row.text))
                       .height() +
                   2 * kTextMargin;
        case HTMLLIST_STYLE_PATH:
            return fonts_->ForStyle(0).LineHeight() + 2 * kTextMargin;
        default:
            return 0;
    }
}

void HtmlRowRenderer::Paint(QPainter& painter, const QRect& rect, const HTMLLIST_ITEM& row,
                            bool selected, bool focused) const {
    painter.fillRect(rect, selected ? kSelectionColor : QColor(Qt::white));
    if ((style_ & HTMLLIST_EX_GRIDLINES) != 0) {
        painter.setPen(kGridColor);
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    const int middle = rect.top() + rect.height() / 2;
    int textLeft = rect.left() + 5;
    int nextFree = rect.left();
    if (HasCheckBoxes()) {
        painter.drawImage(QPoint(rect.left() + 3, middle - 8), CheckBoxPicture(row.checked));
        nextFree = rect.left() + 19;
        textLeft = rect.left() + 21;
    }
    // Every row leaves room for the first image's size, with a picture or not.
    if ((style_ & HTMLLIST_EX_IMAGES) != 0 && HasImage(0)) {
        const QSize size = ImageSize(0);
        if (HasImage(row.image)) {
            painter.drawPixmap(QRect(QPoint(nextFree + 5, middle - size.height() / 2), size),
                               images_->at(row.image));
        }
        textLeft += size.width() + 10;
    }
    const QRect text(QPoint(textLeft, rect.top() + (row.fixedHeight ? 0 : kTextMargin)),
                     rect.bottomRight());
    painter.setPen(Qt::black);
    painter.setFont(font_);
    switch (row.style) {
        case HTMLLIST_STYLE_HTML:
            DrawHTML(painter, row.layout, row.text, *fonts_, text.topLeft());
            break;
        case HTMLLIST_STYLE_TEXT:
            painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             ToQString(row.text));
            break;
        case HTMLLIST_STYLE_PATH:
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             ToQString(CompactPath(row.text, text.width(), fonts_->ForStyle(0))));
            break;
        default:
            break;
    }
    if (selected && focused) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

bool HtmlRowRenderer::HasImage(int image) const {
    return images_ != nullptr && image >= 0 && image < images_->size();
}

QSize HtmlRowRenderer::ImageSize(int image) const {
    return images_->at(image).deviceIndependentSize().toSize();
}

}  // namespace vesk
