#include "notebook/CHTMLListCtrl.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "notebook/CheckBoxPictures.h"
#include "notebook/HtmlDrawing.h"
#include "notebook/PathCompaction.h"
#include "notebook/QtHtmlFonts.h"

namespace vesk {

namespace {

constexpr int kScrollStep = 50;
constexpr int kWheelStep = 40;
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

CHTMLListCtrl::CHTMLListCtrl(int controlId, QWidget* parent)
    : QAbstractScrollArea(parent),
      controlId_(controlId),
      rowFont_(RowFont()),
      fonts_(std::make_unique<QtHtmlFonts>(rowFont_)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::ArrowCursor);
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(kScrollStep);
    // The page step sizes the thumb to the view, yet a page moves as a line.
    connect(bar, &QScrollBar::actionTriggered, this, [bar](int action) {
        if (action == QAbstractSlider::SliderPageStepAdd) {
            bar->setSliderPosition(bar->value() + kScrollStep);
        } else if (action == QAbstractSlider::SliderPageStepSub) {
            bar->setSliderPosition(bar->value() - kScrollStep);
        }
    });
    connect(bar, &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    layoutWidth_ = viewport()->width();
    UpdateScrollRange();
}

CHTMLListCtrl::~CHTMLListCtrl() = default;

int CHTMLListCtrl::InsertItem(const std::u16string& text, int image, int style, int fixedHeight) {
    HTMLLIST_ITEM row;
    row.text = text;
    row.image = image;
    row.style = style;
    const int measured = MeasureRow(row, layoutWidth_);
    row.fixedHeight = fixedHeight > 0;
    row.height = row.fixedHeight ? fixedHeight : measured;
    const int index = rows_.Append(std::move(row));
    UpdateScrollRange();
    RepaintRow(index);
    return index;
}

bool CHTMLListCtrl::DeleteItem(int index) {
    if (!rows_.Erase(index)) {
        return false;
    }
    // The selection stays on its row, which moves up when one above it goes.
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;
    }
    UpdateScrollRange();
    viewport()->update();
    return true;
}

void CHTMLListCtrl::DeleteAllItems() {
    rows_.Clear();
    selected_ = -1;
    UpdateScrollRange();
    viewport()->update();
}

void CHTMLListCtrl::SetItemData(int index, std::uintptr_t data) {
    if (HTMLLIST_ITEM* row = rows_.Find(index)) {
        row->itemData = data;
    }
}

std::uintptr_t CHTMLListCtrl::GetItemData(int index) const {
    const HTMLLIST_ITEM* row = rows_.Find(index);
    return row != nullptr ? row->itemData : 0;
}

void CHTMLListCtrl::SetItemText(int index, const std::u16string& text, bool remeasure) {
    HTMLLIST_ITEM* row = rows_.Find(index);
    if (row == nullptr) {
        return;
    }
    row->text = text;
    const int height = MeasureRow(*row, layoutWidth_);
    if (remeasure) {
        row->fixedHeight = false;
        rows_.SetHeight(index, height);
        UpdateScrollRange();
        viewport()->update();
    } else {
        RepaintRow(index);
    }
}

std::u16string CHTMLListCtrl::GetItemText(int index) const {
    const HTMLLIST_ITEM* row = rows_.Find(index);
    return row != nullptr ? row->text : std::u16string();
}

void CHTMLListCtrl::SetItemCheck(int index, bool checked) {
    if (HTMLLIST_ITEM* row = rows_.Find(index)) {
        row->checked = checked;
        RepaintRow(index);
    }
}

bool CHTMLListCtrl::GetItemCheck(int index) const {
    const HTMLLIST_ITEM* row = rows_.Find(index);
    return row != nullptr && row->checked;
}

void CHTMLListCtrl::EnsureVisible(int index) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(rows_.PositionShowing(index, bar->value(), viewport()->height()));
}

void CHTMLListCtrl::SetExtendedStyle(unsigned style) {
    style_ = style;
    Relayout();
}

void CHTMLListCtrl::SetImageList(const QList<QPixmap>* images) {
    images_ = images;
    Relayout();
}

int CHTMLListCtrl::CalculateItemHeight(const std::u16string& text, int style, int image,
                                       int width) const {
    HTMLLIST_ITEM row;
    row.text = text;
    row.style = style;
    row.image = image;
    return MeasureRow(row, width);
}

int CHTMLListCtrl::MeasureRow(HTMLLIST_ITEM& row, int listWidth) const {
    const bool images = (style_ & HTMLLIST_EX_IMAGES) != 0 && images_ != nullptr &&
                        row.image >= 0 && row.image < images_->size();
    const int width = listWidth - ((style_ & HTMLLIST_EX_CHECKBOXES) != 0 ? 24 : 5) -
                      (images ? ImageSize(row.image).width() + 10 : 0);
    row.layout = {};
    switch (row.style) {
        case HTMLLIST_STYLE_HTML:
            row.layout = LayOutHtml(row.text, width, HtmlFormat::kWordBreak, *fonts_, 0);
            return row.layout.height + 2 * kTextMargin;
        case HTMLLIST_STYLE_TEXT:
            return QFontMetrics(rowFont_)
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

QSize CHTMLListCtrl::ImageSize(int image) const {
    return images_->at(image).deviceIndependentSize().toSize();
}

void CHTMLListCtrl::Relayout() {
    layoutWidth_ = viewport()->width();
    rows_.Remeasure([this](HTMLLIST_ITEM& row) { return MeasureRow(row, layoutWidth_); });
    UpdateScrollRange();
    viewport()->update();
}

void CHTMLListCtrl::UpdateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    const int page = viewport()->height();
    bar->setPageStep(page);
    bar->setRange(0, std::max(0, rows_.TotalHeight() - page));
}

void CHTMLListCtrl::RepaintRow(int index) {
    if (const HTMLLIST_ITEM* row = rows_.Find(index)) {
        viewport()->update(0, rows_.Top(index) - verticalScrollBar()->value(), viewport()->width(),
                           row->height);
    }
}

void CHTMLListCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    const int position = verticalScrollBar()->value();
    const int width = viewport()->width();
    for (int index = std::max(rows_.RowAt(position + area.top()), 0); index < rows_.Count();
         ++index) {
        const int top = rows_.Top(index) - position;
        if (top > area.bottom()) {
            break;
        }
        const HTMLLIST_ITEM& row = *rows_.Find(index);
        painter.save();
        painter.setClipRect(QRect(0, top, width, row.height), Qt::IntersectClip);
        DrawItem(painter, QRect(0, top, width, row.height), row, index == selected_);
        painter.restore();
    }
}

void CHTMLListCtrl::DrawItem(QPainter& painter, const QRect& rect, const HTMLLIST_ITEM& row,
                             bool selected) {
    painter.fillRect(rect, selected ? kSelectionColor : QColor(Qt::white));
    if ((style_ & HTMLLIST_EX_GRIDLINES) != 0) {
        painter.setPen(kGridColor);
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    const int middle = rect.top() + rect.height() / 2;
    int textLeft = rect.left() + 5;
    int nextFree = rect.left();
    if ((style_ & HTMLLIST_EX_CHECKBOXES) != 0) {
        painter.drawImage(QPoint(rect.left() + 3, middle - 8), CheckBoxPicture(row.checked));
        nextFree = rect.left() + 19;
        textLeft = rect.left() + 21;
    }
    if ((style_ & HTMLLIST_EX_IMAGES) != 0 && images_ != nullptr && !images_->isEmpty()) {
        const QSize size = ImageSize(0);
        if (row.image >= 0 && row.image < images_->size()) {
            painter.drawPixmap(QRect(QPoint(nextFree + 5, middle - size.height() / 2), size),
                               images_->at(row.image));
        }
        textLeft += size.width() + 10;
    }
    const QRect text(QPoint(textLeft, rect.top() + (row.fixedHeight ? 0 : kTextMargin)),
                     rect.bottomRight());
    painter.setPen(Qt::black);
    painter.setFont(rowFont_);
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
    if (selected && hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void CHTMLListCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (viewport()->width() != layoutWidth_) {
        Relayout();
    } else {
        UpdateScrollRange();
    }
}

void CHTMLListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        LeftButtonDown(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        SendNotify(HLN_RBUTTONDOWN, -1);
    }
}

void CHTMLListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is this alone, never a press.
    if (event->button() == Qt::LeftButton) {
        SendNotify(HLN_DBLCLK, -1);
    }
}

void CHTMLListCtrl::LeftButtonDown(QPoint point) {
    setFocus(Qt::MouseFocusReason);
    SendNotify(HLN_LBUTTONDOWN, -1);
    selected_ = -1;
    const int position = verticalScrollBar()->value();
    const int index = rows_.RowAt(position + point.y());
    if (const HTMLLIST_ITEM* row = rows_.Find(index);
        row != nullptr && (style_ & HTMLLIST_EX_CHECKBOXES) != 0) {
        const int middle = rows_.Top(index) - position + row->height / 2;
        if (point.x() >= 3 && point.x() < 17 && point.y() >= middle - 8 && point.y() < middle + 6) {
            rows_.Find(index)->checked = !row->checked;
            SendNotify(HLN_CHECKCHANGED, index);
        }
    }
    SendNotify(HLN_SELCHANGED, index);
    // The owner may have removed rows meanwhile.
    if (rows_.Find(index) != nullptr) {
        selected_ = index;
    }
    viewport()->update();
}

void CHTMLListCtrl::keyPressEvent(QKeyEvent* event) {
    const int last = rows_.Count() - 1;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (last >= 0) {
                if (event->key() == Qt::Key_Up) {
                    selected_ = selected_ < 0 ? 0 : std::max(selected_ - 1, 0);
                } else {
                    selected_ = selected_ < 0 ? last : std::min(selected_ + 1, last);
                }
                EnsureVisible(selected_);
                viewport()->update();
                SendNotify(HLN_SELCHANGED, selected_);
            }
            break;
        case Qt::Key_Space:
            if (HTMLLIST_ITEM* row = rows_.Find(selected_);
                row != nullptr && (style_ & HTMLLIST_EX_CHECKBOXES) != 0) {
                row->checked = !row->checked;
                RepaintRow(selected_);
                SendNotify(HLN_CHECKCHANGED, selected_);
            }
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            break;
    }
}

void CHTMLListCtrl::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    // A sideways wheel is not this list's.
    if (delta.y() == 0 && delta.x() != 0) {
        event->ignore();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (delta.y() >= 0 ? -kWheelStep : kWheelStep));
    viewport()->update();
}

void CHTMLListCtrl::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RepaintRow(selected_);
}

void CHTMLListCtrl::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    RepaintRow(selected_);
}

void CHTMLListCtrl::SendNotify(int code, int index) {
    NM_HTMLLISTCTRL notification;
    notification.sender = this;
    notification.controlId = controlId_;
    notification.code = code;
    if (const HTMLLIST_ITEM* row = rows_.Find(index)) {
        notification.row = index;
        notification.text = row->text;
        notification.itemData = row->itemData;
        notification.checked = row->checked;
    }
    emit Notify(notification);
}

}  // namespace vesk
