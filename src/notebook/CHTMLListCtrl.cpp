#include "notebook/CHTMLListCtrl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace vesk {

namespace {

constexpr int kScrollStep = 50;
constexpr int kWheelStep = 40;

}  // namespace

CHTMLListCtrl::CHTMLListCtrl(int controlId, QWidget* parent)
    : QAbstractScrollArea(parent), controlId_(controlId) {
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
    layoutWidth_ = ViewSize().width();
    UpdateScrollRange();
}

CHTMLListCtrl::~CHTMLListCtrl() = default;

int CHTMLListCtrl::InsertItem(const std::u16string& text, int image, int style, int fixedHeight) {
    HTMLLIST_ITEM row;
    row.text = text;
    row.image = image;
    row.style = style;
    const int measured = renderer_.Measure(row, LayoutWidth());
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
    const int height = renderer_.Measure(*row, LayoutWidth());
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

void CHTMLListCtrl::SetItemImage(int index, int image) {
    if (HTMLLIST_ITEM* row = rows_.Find(index)) {
        row->image = image;
        renderer_.Measure(*row, LayoutWidth());
        RepaintRow(index);
    }
}

int CHTMLListCtrl::GetItemImage(int index) const {
    const HTMLLIST_ITEM* row = rows_.Find(index);
    return row != nullptr ? row->image : 0;
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
    bar->setValue(rows_.PositionShowing(index, bar->value(), ViewSize().height()));
}

void CHTMLListCtrl::SetExtendedStyle(unsigned style) {
    renderer_.SetStyle(style);
    Relayout();
}

void CHTMLListCtrl::SetImageList(const QList<QPixmap>* images) {
    renderer_.SetImages(images);
    Relayout();
}

int CHTMLListCtrl::CalculateItemHeight(const std::u16string& text, int style, int image,
                                       int width) const {
    HTMLLIST_ITEM row;
    row.text = text;
    row.style = style;
    row.image = image;
    return renderer_.Measure(row, width);
}

void CHTMLListCtrl::Relayout() {
    layoutWidth_ = ViewSize().width();
    rows_.Remeasure([this](HTMLLIST_ITEM& row) { return renderer_.Measure(row, layoutWidth_); });
    UpdateScrollRange();
    viewport()->update();
}

QSize CHTMLListCtrl::ViewSize() const {
    // Taken from the list's own size, which a hidden list already has, while
    // its view is sized only when it is first shown.
    return maximumViewportSize();
}

int CHTMLListCtrl::LayoutWidth() {
    // A hidden list hears of no resizing: rows added to it are measured at
    // the width it will show at, and only once.
    if (ViewSize().width() != layoutWidth_) {
        Relayout();
    }
    return layoutWidth_;
}

void CHTMLListCtrl::UpdateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    const int page = ViewSize().height();
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
    renderer_.Paint(painter, rect, row, selected, hasFocus());
}

void CHTMLListCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (ViewSize().width() != layoutWidth_) {
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
    if (const HTMLLIST_ITEM* row = rows_.Find(index); row != nullptr && renderer_.HasCheckBoxes()) {
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
                row != nullptr && renderer_.HasCheckBoxes()) {
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
